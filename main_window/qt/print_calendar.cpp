// The print dialog of the main window and the pages sent to the printer.
#include "main_window/qt/print_calendar.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include "main_window/qt/QtPictureBox.h"
#include "page/pdf/cjk_faces.h"
#include "page/qt/QtPageSurface.h"

namespace dovrin {

bool PrintPages(QPrinter& printer, std::int32_t year, std::int32_t month, const RestDays& restDays,
                const std::vector<MyDay>& myDays)
{
    QtPageSurface surface(printer, QtPictureBox::DefaultFamily());
    if (month == 0)
        DrawYearPage(surface, PaperOf(printer), year, restDays, myDays);
    else
        DrawMonthPage(surface, PaperOf(printer), year, month, restDays, myDays);
    return surface.Finish();
}

namespace {

// Qt's list of printers names itself after its label, so a screen reader says "名称" and
// not the printer chosen: the printer goes into the list's description, which is read
// after the label, also as the choice changes. The month or the year comes next in the
// order of Tab, before the printer's settings and the dialog's buttons.
void SpeakPrinter(QPrintDialog& dialog, QWidget& firstChoice, QWidget& secondChoice)
{
    auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
    if (!printers) return;
    const auto describe = [printers] { printers->setAccessibleDescription(printers->currentText()); };
    describe();
    QObject::connect(printers, &QComboBox::currentIndexChanged, printers, describe);
    QWidget::setTabOrder(printers, &firstChoice);
    QWidget::setTabOrder(&firstChoice, &secondChoice);
}

}  // namespace

void PrintCalendar(QWidget* parent, std::int32_t year, std::int32_t month, const RestDays& restDays,
                   const std::vector<MyDay>& myDays)
{
    // Without a face for Chinese the page would come out as rows of empty boxes: say so
    // before the dialog rather than print them.
    if (!HasCjkFace()) {
        QMessageBox::warning(parent, QStringLiteral("打印日历"),
                             QStringLiteral("没有找到能显示汉字的字体，打印出来的字会是一个个方框。\n"
                                            "请先安装 %1，再打印。")
                                 .arg(QString::fromUtf8(CjkFontPackages)));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Dovrin万年历 %1").arg(year));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印日历"));
    // Pages and copies are the layout's to decide: one page either way.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);

    auto* what = new QWidget;
    what->setWindowTitle(QStringLiteral("日历"));
    auto* monthChoice = new QRadioButton(QStringLiteral("本月：%1年%2月（横向一页）").arg(year).arg(month), what);
    auto* yearChoice = new QRadioButton(QStringLiteral("全年：%1年（纵向一页）").arg(year), what);
    monthChoice->setChecked(true);
    auto* column = new QVBoxLayout(what);
    column->addWidget(monthChoice);
    column->addWidget(yearChoice);
    column->addStretch();
    dialog.setOptionTabs({what});
    // The choice of month or year stands in the dialog's options, which Qt's own dialog keeps
    // folded behind a button ("Options >>"): unfold them at the choice.
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text().contains(QStringLiteral(">>"))) button->click();
    for (QWidget* parentOf = what->parentWidget(); parentOf; parentOf = parentOf->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(parentOf)) tabs->setCurrentWidget(what);
    SpeakPrinter(dialog, *monthChoice, *yearChoice);

    if (dialog.exec() != QDialog::Accepted) return;
    PrintPages(printer, year, yearChoice->isChecked() ? 0 : month, restDays, myDays);
}

}  // namespace dovrin
