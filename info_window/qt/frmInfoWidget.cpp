// The information window: one read-only text box filling the client area.
#include "info_window/qt/frmInfoWidget.h"

#include <QAbstractTextDocumentLayout>
#include <QCloseEvent>
#include <QFont>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

#include "calendar/utf8.h"

namespace {

// Marks a block that stands for a separator line.
constexpr int SeparatorBlock = 1;

bool IsSeparator(const QString& line)
{
    return line.size() >= 3 && line.count(QLatin1Char('=')) == line.size();
}

// The text box. A separator line of '=' is painted but holds no text, so that a screen
// reader, which reads the text, finds an empty line there instead of a count of signs.
class InfoTextBox final : public QTextEdit {
public:
    explicit InfoTextBox(QWidget* parent) : QTextEdit(parent) {}

    void SetLines(const QString& text)
    {
        QStringList lines = text.split(QLatin1Char('\n'));
        std::vector<std::pair<int, QString>> rules;
        for (int i = 0; i < lines.size(); ++i) {
            if (!IsSeparator(lines[i])) continue;
            rules.emplace_back(i, lines[i]);
            lines[i].clear();
        }
        setPlainText(lines.join(QLatin1Char('\n')));
        separators.clear();
        for (const auto& [number, line] : rules) {
            document()->findBlockByNumber(number).setUserState(SeparatorBlock);
            separators.emplace_back(number, line);
        }
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QTextEdit::paintEvent(event);
        if (separators.empty()) return;
        QPainter painter(viewport());
        painter.setFont(document()->defaultFont());
        painter.setPen(palette().color(QPalette::Text));
        const QPointF offset(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
        for (const auto& [number, line] : separators) {
            const QTextBlock block = document()->findBlockByNumber(number);
            const QTextLayout* layout = block.layout();
            if (!block.isVisible() || !layout || layout->lineCount() == 0) continue;
            const QRectF box = document()->documentLayout()->blockBoundingRect(block).translated(offset);
            if (box.bottom() < 0 || box.top() > viewport()->height()) continue;
            const QTextLine first = layout->lineAt(0);
            // Where the text's own glyphs would stand: the block's place, the line's in it
            // and its ascent.
            painter.drawText(layout->position() + offset + first.position() + QPointF(0, first.ascent()), line);
        }
    }

private:
    std::vector<std::pair<int, QString>> separators;  // block number, the line as written
};

}  // namespace

frmInfoWidget::frmInfoWidget(QSize clientSize)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      Text1(new InfoTextBox(this))
{
    setWindowTitle(QStringLiteral("日程信息"));
    // Showing it beside the main window must not take the focus from the grid.
    setAttribute(Qt::WA_ShowWithoutActivating);

    Text1->setReadOnly(true);
    // Read-only, but with a caret that the keys move, so that a screen reader reads the
    // text line by line.
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setFocusPolicy(Qt::StrongFocus);
    Text1->setAccessibleName(windowTitle());
    Text1->setLineWrapMode(QTextEdit::WidgetWidth);
    Text1->setUndoRedoEnabled(false);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The day text centres its head lines in columns where a Chinese character takes two
    // Latin ones, as 宋体 draws them; the stand-ins keep that proportion.
    QFont font(QStringLiteral("宋体"), 9);
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("NSimSun"),
                      QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("monospace")});
    Text1->setFont(font);

    setFixedSize(clientSize);
}

void frmInfoWidget::SetText(const std::string& text)
{
    // The same day's text again leaves the reader where they are.
    if (text == shown) return;
    shown = text;
    // The text box breaks a block at a lone CR as well, so CR LF would show an empty line.
    static_cast<InfoTextBox*>(Text1)->SetLines(QString::fromStdString(dovrin::WithLineFeeds(text)));
    // The caret at the day's heading, the line after the first separator below the credits.
    QTextBlock heading = Text1->document()->firstBlock();
    while (heading.isValid() && heading.userState() != SeparatorBlock) heading = heading.next();
    if (heading.isValid() && heading.next().isValid()) heading = heading.next();
    QTextCursor caret(heading.isValid() ? heading : Text1->document()->firstBlock());
    Text1->setTextCursor(caret);
    Text1->verticalScrollBar()->setValue(0);  // the credits still in sight
}

QMargins frmInfoWidget::FrameMargins() const
{
    // A window that is hidden or not yet framed reads a frame of nothing.
    if (isVisible()) {
        const QRect frame = frameGeometry();
        const QRect client = geometry();
        const QMargins current(client.left() - frame.left(), client.top() - frame.top(),
                               frame.right() - client.right(), frame.bottom() - client.bottom());
        if (!current.isNull()) knownFrame = current;
    }
    return knownFrame;
}

QRect frmInfoWidget::OuterGeometry() const
{
    return geometry().marginsAdded(FrameMargins());
}

void frmInfoWidget::PlaceOuter(int left, int top, int outerWidth, int outerHeight)
{
    const QMargins frame = FrameMargins();
    const QSize client(std::max(1, outerWidth - frame.left() - frame.right()),
                       std::max(1, outerHeight - frame.top() - frame.bottom()));
    setFixedSize(client);
    // The client area's place, so that the frame lands where it belongs even while the
    // window system does not know the frame.
    setGeometry(QRect(QPoint(left + frame.left(), top + frame.top()), client));
}

void frmInfoWidget::Unload()
{
    unloading = true;
    close();
}

void frmInfoWidget::resizeEvent(QResizeEvent*)
{
    Text1->setGeometry(rect());
}

void frmInfoWidget::closeEvent(QCloseEvent* event)
{
    if (unloading)
        event->accept();
    else
        event->ignore();
}
