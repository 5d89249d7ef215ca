// Month grid speed: one ReDrawCalendar on a 1000 x 700 image, the logic alone, and a key
// press on the real window up to its finished repaint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>

#include "main_window/frmMain.h"
#include "main_window/qt/QtPictureBox.h"
#include "main_window/qt/frmMainWidget.h"
#include "resources/reference_texts.h"

namespace {

// Draws nothing: what is left is the date object, the texts and the day information text.
class NullPictureBox final : public dovrin::PictureBox {
public:
    float ScaleWidth() const override { return 1000; }
    float ScaleHeight() const override { return 700; }
    void BackColor(dovrin::Rgb) override {}
    void ForeColor(dovrin::Rgb) override {}
    void Cls() override {}
    void Line(float, float, float, float) override {}
    void FilledBox(float, float, float, float) override {}
    void CurrentX(float) override {}
    void CurrentY(float) override {}
    void Print(const std::string&) override {}
    float TextHeight(const std::string&) const override { return 12; }
    float TextWidth(const std::string&) const override { return 36; }
    void FontBold(bool) override {}
    std::string FontName() const override { return {}; }
    void FontName(const std::string&) override {}
};

// Keeps the day text, so that composing it is not optimised away.
class KeepingMainView final : public dovrin::MainView {
public:
    void ShowLabels(const std::string&, const std::string&) override {}
    void ShowCaption(const std::string&) override {}
    void ShowDayText(const std::string& text) override { DayText = text; }
    void ShowSelectedDay() override {}
    std::string DayText;
};

const dovrin::ReferenceTexts& Texts()
{
    static const dovrin::ReferenceTexts texts = dovrin::LoadReferenceTexts();
    return texts;
}

// Walks through the months of 2024 so that every month shape is timed.
void NextMonth(frmMain& form)
{
    form.CurMonth = static_cast<std::int16_t>(form.CurMonth % 12 + 1);
    form.CurDay = 15;
}

// Redraws month after month of 2024 on `picMain`; `result` names what must not be optimised away.
template <typename Result>
void RedrawMonths(benchmark::State& state, dovrin::PictureBox& picMain, Result result)
{
    KeepingMainView view;
    frmMain form(picMain, view, dovrin::TheSystemClock());
    form.Texts = Texts();
    form.CurYear = 2024, form.CurMonth = 1, form.CurDay = 15;
    for (auto _ : state) {
        form.ReDrawCalendar();
        benchmark::DoNotOptimize(result(view));
        NextMonth(form);
    }
}

void ReDrawCalendarOnImage(benchmark::State& state)
{
    dovrin::QtPictureBox picMain;
    picMain.resize(1000, 700);
    RedrawMonths(state, picMain, [&](const KeepingMainView&) { return picMain.Picture().constBits(); });
}
BENCHMARK(ReDrawCalendarOnImage)->Unit(benchmark::kMillisecond);

void ReDrawCalendarLogicOnly(benchmark::State& state)
{
    NullPictureBox picMain;
    RedrawMonths(state, picMain, [](const KeepingMainView& view) { return view.DayText.data(); });
}
BENCHMARK(ReDrawCalendarLogicOnly)->Unit(benchmark::kMillisecond);

// A right-arrow press on the started window: handler, grid, labels, caption, the
// information window's text, and the repaint of both windows.
void KeyPressToRepaint(benchmark::State& state)
{
    frmMainWidget window;
    window.Form_Load();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(window.picMain, &press);
        QApplication::processEvents();
    }
    window.close();
}
BENCHMARK(KeyPressToRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
