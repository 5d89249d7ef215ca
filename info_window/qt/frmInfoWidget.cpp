// The information window: one read-only text box filling the client area.
#include "info_window/qt/frmInfoWidget.h"

#include <QCloseEvent>
#include <QFont>
#include <QScrollBar>

#include <algorithm>

#include "calendar/utf8.h"

frmInfoWidget::frmInfoWidget(QSize clientSize)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      Text1(new QPlainTextEdit(this))
{
    setWindowTitle(QStringLiteral("日程信息"));
    // Showing it beside the main window must not take the focus from the grid.
    setAttribute(Qt::WA_ShowWithoutActivating);

    Text1->setReadOnly(true);
    Text1->setAccessibleName(windowTitle());
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
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
    // The text box breaks a block at a lone CR as well, so CR LF would show an empty line.
    Text1->setPlainText(QString::fromStdString(dovrin::WithLineFeeds(text)));
    Text1->verticalScrollBar()->setValue(0);
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
