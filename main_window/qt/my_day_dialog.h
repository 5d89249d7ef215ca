// The dialog that adds or changes one of the user's days: its controls, each labelled, in
// Tab order, and the next dates it will fall on shown as they change.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include <functional>

#include "calendar/date_serial.h"
#include "main_window/my_day_form.h"

namespace dovrin {

class Announcer;

class MyDayDialog final : public QDialog {
public:
    // Saves the day or says why not; the dialog closes only once it has saved.
    using Save = std::function<MyDaySave(const MyDay& day)>;

    // `selected` is the day the dialog was opened on: the preview counts from it, and the
    // other calendar's date comes from it. `note` tells of the file's refused lines.
    MyDayDialog(QWidget* parent, const QString& caption, const MyDayForm& start, CivilDate selected,
                const QString& note, Save save);

    // The day last saved.
    const MyDay& Saved() const { return saved; }

    QLineEdit* Title;
    QComboBox* RepeatBy;
    QComboBox* Month;
    QComboBox* Day;
    QCheckBox* Leap;
    QLineEdit* Since;
    QComboBox* Kind;
    QComboBox* ShortMonth;
    QComboBox* MissingLeap;
    QComboBox* LeapYear;
    QComboBox* CommonYear;
    QLineEdit* Remind;
    QLabel* Preview;
    QLabel* Error;

private:
    void BuildFields(QFormLayout& layout);
    void BuildRules(QFormLayout& layout);
    // The month and day lists of the calendar the form repeats by, set to its date.
    void FillDate();
    void FillDays();
    // The form from the controls, and everything that follows from it.
    void ReadControls();
    void Refresh();
    // A rule's label, which names the month it is about.
    void RenameRow(QWidget* field, const QString& label);
    void TrySave();
    void ShowError(const QString& why);

    MyDayForm form;
    CivilDate from;
    Save save;
    MyDay saved;
    QFormLayout* rows = nullptr;
    Announcer* notice;
    bool filling = false;  // the lists are being refilled: their signals say nothing yet
};

}  // namespace dovrin
