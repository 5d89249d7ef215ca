// Prints a month or a year the way the desktop program does, to Qt's PDF printer, so that the
// page checks read what a print from the window gives.
// Usage: print_to_pdf FILE a4|letter YEAR [MONTH]
#include <QApplication>
#include <QPageSize>
#include <QPrinter>

#include <cstdlib>
#include <string>
#include <vector>

#include "main_window/qt/print_calendar.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc < 4 || argc > 5) return 2;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(argv[1]));
    printer.setPageSize(std::string(argv[2]) == "letter" ? QPageSize(QPageSize::Letter) : QPageSize(QPageSize::A4));
    const int year = std::atoi(argv[3]);
    const int month = argc == 5 ? std::atoi(argv[4]) : 0;
    std::vector<std::string> skipped;
    return dovrin::PrintPages(printer, year, month, dovrin::LoadRestDays({}, skipped)) ? 0 : 1;
}
