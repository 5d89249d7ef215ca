// A seeded storm of random input on the offscreen platform: keys, clicks anywhere, the five
// buttons, fonts, resizes, window states, moves of both windows and clocks at the ends of the
// range and past them. After every event the selection, the labels, the title, the day text
// and the information window's place must agree.
// DOVRIN_STORM_SEED replays a run; DOVRIN_STORM_EVENTS sets its length (100000).
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <array>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>

#include "calendar/date_serial.h"
#include "main_window/qt/frmMainWidget.h"

namespace {

unsigned long long EnvNumber(const char* name, unsigned long long fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

class Storm {
public:
    Storm(std::uint64_t seed, frmMainWidget& form, dovrin::FixedClock& today)
        : random(seed), window(form), clock(today)
    {
    }

    // One random event; returns what it did, for the failure message.
    std::string Next()
    {
        std::ostringstream what;
        const int kind = Pick(0, 99);
        if (kind < 40) {
            static constexpr std::array keys = {Qt::Key_Left,  Qt::Key_Right,    Qt::Key_Up,     Qt::Key_Down,
                                                Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,   Qt::Key_End,
                                                Qt::Key_Escape, Qt::Key_Return,   Qt::Key_Space,  Qt::Key_A,
                                                Qt::Key_5,      Qt::Key_F5,       Qt::Key_Tab,    Qt::Key_Delete};
            // The navigation keys come twice as often as the rest.
            const auto key = keys[static_cast<std::size_t>(Pick(0, 1) == 0 ? Pick(0, 5) : Pick(0, 15))];
            const Qt::KeyboardModifiers modifiers = Modifiers();
            what << "key " << key << " modifiers " << modifiers.toInt();
            QTest::keyClick(window.picMain, key, modifiers);
        } else if (kind < 60) {
            ClickIn(window, what);
        } else if (kind < 65) {
            if (window.frmInfo()->isVisible()) ClickIn(*window.frmInfo(), what);
        } else if (kind < 77) {
            const int button = Pick(0, dovrin::Image2Count - 1);
            what << "button " << button;
            QTest::mouseClick(window.Image2[static_cast<std::size_t>(button)], Button(), Modifiers());
        } else if (kind < 81) {
            const int index = Pick(-1, window.Combo1->count() - 1);
            what << "font " << index;
            window.Combo1->setCurrentIndex(index);
        } else if (kind < 85) {
            const int width = Pick(0, 9) == 0 ? Pick(1, 4000) : Pick(1, 900);
            const int height = Pick(0, 9) == 0 ? Pick(1, 3000) : Pick(1, 700);
            what << "resize " << width << "x" << height;
            window.resize(width, height);
        } else if (kind < 88) {
            const int state = Pick(0, 3);
            what << "state " << state;
            if (state == 0) window.showMinimized();
            if (state == 1) window.showMaximized();
            if (state >= 2) window.showNormal();
        } else if (kind < 93) {
            const QPoint to(Pick(-300, 2500), Pick(-300, 1500));
            what << "move main to " << to.x() << "," << to.y();
            window.move(to);
        } else if (kind < 97) {
            const QPoint to(Pick(-300, 2500), Pick(-300, 1500));
            what << "move info to " << to.x() << "," << to.y();
            window.frmInfo()->move(to);
        } else {
            static constexpr std::array<dovrin::CivilDate, 9> clocks = {{{1901, 1, 1},
                                                                          {2049, 12, 31},
                                                                          {1900, 12, 31},
                                                                          {2050, 1, 1},
                                                                          {1899, 6, 15},
                                                                          {2051, 2, 28},
                                                                          {1, 1, 1},
                                                                          {9999, 12, 31},
                                                                          {2024, 2, 29}}};
            clock.Day = clocks[static_cast<std::size_t>(Pick(0, clocks.size() - 1))];
            what << "clock " << dovrin::IsoDate(clock.Day) << ", today";
            QTest::mouseClick(window.Image2[dovrin::Image2Count - 1], Qt::LeftButton);
        }
        // Now and then the posted events run too (paints, timers), not after every event: a
        // repaint of the whole window each time would make the storm many times slower.
        if (++count % 64 == 0) QApplication::processEvents();
        return what.str();
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    int Pick(int low, std::size_t high) { return Pick(low, static_cast<int>(high)); }

    Qt::MouseButton Button()
    {
        static constexpr std::array buttons = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::BackButton,
                                               Qt::ForwardButton};
        return buttons[static_cast<std::size_t>(Pick(0, buttons.size() - 1))];
    }

    Qt::KeyboardModifiers Modifiers()
    {
        Qt::KeyboardModifiers modifiers;
        if (Pick(0, 7) == 0) modifiers |= Qt::ShiftModifier;
        if (Pick(0, 7) == 0) modifiers |= Qt::ControlModifier;
        if (Pick(0, 7) == 0) modifiers |= Qt::AltModifier;
        return modifiers;
    }

    // A click anywhere in the window, given to the control under that point.
    void ClickIn(QWidget& top, std::ostringstream& what)
    {
        const QPoint at(Pick(0, std::max(0, top.width() - 1)), Pick(0, std::max(0, top.height() - 1)));
        QWidget* target = top.childAt(at);
        if (target == nullptr) target = &top;
        const Qt::MouseButton button = Button();
        what << "click " << button << " at " << at.x() << "," << at.y() << " on "
             << target->metaObject()->className();
        QTest::mouseClick(target, button, Modifiers(), target->mapFrom(&top, at));
    }

    std::mt19937_64 random;
    std::uint64_t count = 0;
    frmMainWidget& window;
    dovrin::FixedClock& clock;
};

// Empty when everything agrees, otherwise what does not.
std::string Disagreement(frmMainWidget& window)
{
    const frmMain& form = window.Logic();
    const int y = form.CurYear, m = form.CurMonth, d = form.CurDay;
    std::ostringstream out;
    if (!dovrin::IsValidDate(y, m, d) || y < 1901 || y > 2049)
        return (out << "selection " << y << "-" << m << "-" << d, out.str());
    const QString date = QStringLiteral("%1年%2月%3日").arg(y).arg(m).arg(d);
    const QString label = window.Label1->text();
    if (!label.startsWith(date + " ")) return "Label1 " + label.toStdString() + " for " + date.toStdString();
    if (window.windowTitle() != QStringLiteral("Dovrin万年历 - [") + label + "]")
        return "title " + window.windowTitle().toStdString();
    const QString line5 = window.frmInfo()->Text1->toPlainText().section(QLatin1Char('\n'), 4, 4);
    if (line5 != QStringLiteral("日程信息 (") + date + ")") return "day text line 5 " + line5.toStdString();
    if (window.windowState() == Qt::WindowNoState) {
        const QRect main = window.frameGeometry();
        const QRect info = window.frmInfo()->frameGeometry();
        if (!window.frmInfo()->isVisible() ||
            info != QRect(main.x() + main.width(), main.y(), info.width(), main.height()))
            return (out << "frmInfo at " << info.x() << "," << info.y() << " " << info.width() << "x" << info.height()
                        << " beside " << main.x() << "," << main.y() << " " << main.width() << "x" << main.height(),
                    out.str());
    }
    return {};
}

TEST(EventStorm, EverythingAgreesAfterEveryEvent)
{
    const std::uint64_t seed = EnvNumber("DOVRIN_STORM_SEED", std::random_device{}());
    const std::uint64_t events = EnvNumber("DOVRIN_STORM_EVENTS", 100000);
    dovrin::FixedClock clock({2024, 2, 10});
    frmMainWidget window(clock);
    // A drag of frmInfo goes back at once: the storm moves it far more often than a hand does.
    window.InfoSettleTime = std::chrono::milliseconds(0);
    window.Form_Load();
    ASSERT_EQ(Disagreement(window), "");

    Storm storm(seed, window, clock);
    QElapsedTimer timer;
    timer.start();
    for (std::uint64_t i = 0; i < events; ++i) {
        const std::string what = storm.Next();
        const std::string wrong = Disagreement(window);
        if (!wrong.empty()) {
            FAIL() << "after event " << i << " (" << what << "): " << wrong
                   << "\nreplay with DOVRIN_STORM_SEED=" << seed << " DOVRIN_STORM_EVENTS=" << i + 1;
        }
    }
    std::cout << events << " events in " << timer.elapsed() << " ms, seed " << seed << "\n";
    window.close();
}

}  // namespace
