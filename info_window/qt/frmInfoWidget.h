// frmInfo: the companion window beside the main window that shows the day information text.
#pragma once

#include <QTextEdit>
#include <QWidget>

#include <string>

class frmInfoWidget final : public QWidget {
public:
    // clientSize: the text box's area, as the main window lays it out.
    explicit frmInfoWidget(QSize clientSize);

    // Replaces the whole text in one assignment and puts the caret at the day's heading,
    // below the credits and their separator; the text already shown is left as it is, caret
    // and all. Lines end in CR LF.
    void SetText(const std::string& text);

    // Places the window by its outer frame; the width is the frame's too. The window keeps
    // a fixed size so that the user cannot resize it. While the window manager has taken
    // the frame away (the window hidden, or not yet decorated) the last frame it had counts.
    void PlaceOuter(int left, int top, int outerWidth, int outerHeight);

    // The outer frame where the window stands or, hidden, would stand when shown.
    QRect OuterGeometry() const;
    // The frame around the client area: the one it has now, else the last one it had.
    QMargins FrameMargins() const;

    // Closes for good; the user's own close command is refused.
    void Unload();

    // A QTextEdit, not a QPlainTextEdit: Qt gives a screen reader the plain box's lines at
    // the top of their block as if every block began at the top of the box, so that a
    // reader's review of the screen finds lines that are out of sight.
    QTextEdit* Text1;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::string shown;
    bool unloading = false;
    mutable QMargins knownFrame;
};
