// The dialog of one of the user's days on Qt.
#include "main_window/qt/my_day_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "calendar/clsDate.h"
#include "calendar/locale_names.h"
#include "main_window/qt/accessibility.h"

namespace dovrin {
namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

// The kinds in the order of the list after its first entry, which reads the title.
constexpr MyDayKind Kinds[] = {MyDayKind::Birthday, MyDayKind::Anniversary, MyDayKind::Memorial, MyDayKind::Other};

QComboBox* Choices(QWidget* parent, std::initializer_list<const char*> entries)
{
    auto* box = new QComboBox(parent);
    for (const char* entry : entries) box->addItem(QString::fromUtf8(entry));
    return box;
}

// A field's label, which a screen reader reads as its name; the field is named so too.
void AddRow(QFormLayout& layout, const char* label, QWidget* field)
{
    auto* text = new QLabel(QString::fromUtf8(label), layout.parentWidget());
    text->setBuddy(field);
    field->setAccessibleName(text->text().remove(QStringLiteral("：")));
    layout.addRow(text, field);
}

}  // namespace

MyDayDialog::MyDayDialog(QWidget* parent, const QString& caption, const MyDayForm& start, CivilDate selected,
                         const QString& note, Save saveDay)
    : QDialog(parent), form(start), from(selected), save(std::move(saveDay)), notice(new Announcer(this))
{
    setWindowTitle(caption);
    auto* outer = new QVBoxLayout(this);
    if (!note.isEmpty()) {
        auto* warning = new QLabel(note, this);
        warning->setWordWrap(true);
        outer->addWidget(warning);
    }
    rows = new QFormLayout;
    outer->addLayout(rows);
    BuildFields(*rows);
    BuildRules(*rows);
    Remind = new QLineEdit(Q(form.remind), this);
    Remind->setToolTip(QStringLiteral("提前的天数，用逗号隔开，例如 3,1；“无”为不提醒；不填按类别"));
    AddRow(*rows, "提前几天提醒：", Remind);
    connect(Remind, &QLineEdit::textChanged, this, &MyDayDialog::ReadControls);
    Preview = new QLabel(this);
    // Reached by Tab, so that a screen reader reads the dates before they are saved.
    Preview->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    Preview->setFocusPolicy(Qt::StrongFocus);
    AddRow(*rows, "接下来的日期：", Preview);
    Error = new QLabel(this);
    Error->setWordWrap(true);
    Error->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    Error->hide();
    outer->addWidget(Error);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Save)->setText(QStringLiteral("保存"));
    buttons->button(QDialogButtonBox::Save)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &MyDayDialog::TrySave);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);

    FillDate();
    Refresh();
    Title->setFocus();
}

void MyDayDialog::BuildFields(QFormLayout& layout)
{
    Title = new QLineEdit(Q(form.title), this);
    Title->setPlaceholderText(QStringLiteral("例如 妈妈生日"));
    AddRow(layout, "标题：", Title);
    RepeatBy = Choices(this, {"按农历", "按公历"});
    RepeatBy->setCurrentIndex(form.lunar ? 0 : 1);
    AddRow(layout, "每年重复：", RepeatBy);
    Month = new QComboBox(this);
    AddRow(layout, "月：", Month);
    Day = new QComboBox(this);
    AddRow(layout, "日：", Day);
    Leap = new QCheckBox(QStringLiteral("闰月"), this);
    Leap->setChecked(form.leap);
    layout.addRow(QString(), Leap);
    Since = new QLineEdit(Q(form.since), this);
    Since->setPlaceholderText(QStringLiteral("不知道可不填"));
    AddRow(layout, "起始年份：", Since);
    Kind = Choices(this, {"", "生日", "纪念日", "忌日", "其他"});
    int kind = 0;
    for (int i = 0; i < 4; ++i)
        if (form.kind == Kinds[i]) kind = i + 1;
    Kind->setCurrentIndex(kind);
    AddRow(layout, "类别：", Kind);

    connect(Title, &QLineEdit::textChanged, this, &MyDayDialog::ReadControls);
    connect(RepeatBy, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (filling) return;
        dovrin::RepeatBy(form, index == 0, from);
        FillDate();
        Refresh();
    });
    connect(Month, &QComboBox::currentIndexChanged, this, [this] {
        if (filling) return;
        ReadControls();
        FillDays();
        ReadControls();
    });
    connect(Day, &QComboBox::currentIndexChanged, this, &MyDayDialog::ReadControls);
    connect(Leap, &QCheckBox::toggled, this, &MyDayDialog::ReadControls);
    connect(Since, &QLineEdit::textChanged, this, &MyDayDialog::ReadControls);
    connect(Kind, &QComboBox::currentIndexChanged, this, &MyDayDialog::ReadControls);
}

void MyDayDialog::BuildRules(QFormLayout& layout)
{
    ShortMonth = Choices(this, {"提前到廿九", "跳过这一年", "推后到下个月初一"});
    ShortMonth->setCurrentIndex(static_cast<int>(form.shortMonth));
    AddRow(layout, "", ShortMonth);
    MissingLeap = Choices(this, {"按平常的月份", "跳过这一年"});
    MissingLeap->setCurrentIndex(static_cast<int>(form.missingLeap));
    AddRow(layout, "", MissingLeap);
    LeapYear = Choices(this, {"只过一次", "闰月里再过一次"});
    LeapYear->setCurrentIndex(static_cast<int>(form.leapYear));
    AddRow(layout, "", LeapYear);
    CommonYear = Choices(this, {"2月28日", "3月1日", "跳过这一年"});
    CommonYear->setCurrentIndex(static_cast<int>(form.commonYear));
    AddRow(layout, "平年没有2月29日时：", CommonYear);
    for (QComboBox* rule : {ShortMonth, MissingLeap, LeapYear, CommonYear})
        connect(rule, &QComboBox::currentIndexChanged, this, &MyDayDialog::ReadControls);
}

void MyDayDialog::FillDate()
{
    filling = true;
    {
        const QSignalBlocker blocker(RepeatBy);
        RepeatBy->setCurrentIndex(form.lunar ? 0 : 1);
    }
    Month->clear();
    for (std::int32_t m = 1; m <= 12; ++m)
        Month->addItem(form.lunar ? Q(LunarMonthCustomName(m, false)) : QStringLiteral("%1月").arg(m));
    Month->setCurrentIndex(form.month - 1);
    Leap->setChecked(form.leap);
    filling = false;
    FillDays();
}

void MyDayDialog::FillDays()
{
    filling = true;
    Day->clear();
    const clsDate names;
    // Every day a month can have: a lunar month 30, a Gregorian one as in a leap year.
    const std::int32_t days = form.lunar ? 30 : DaysInMonth(2000, form.month);
    for (std::int32_t d = 1; d <= days; ++d)
        Day->addItem(form.lunar ? Q(names.CDayStr(d)) : QStringLiteral("%1日").arg(d));
    Day->setCurrentIndex(std::min(form.day, days) - 1);
    filling = false;
}

void MyDayDialog::ReadControls()
{
    if (filling) return;
    form.title = Title->text().toStdString();
    form.month = Month->currentIndex() + 1;
    form.day = Day->currentIndex() + 1;
    form.leap = form.lunar && Leap->isChecked();
    form.since = Since->text().toStdString();
    form.kind = Kind->currentIndex() > 0 ? std::optional(Kinds[Kind->currentIndex() - 1]) : std::nullopt;
    form.shortMonth = static_cast<ShortMonthRule>(ShortMonth->currentIndex());
    form.missingLeap = static_cast<MissingLeapRule>(MissingLeap->currentIndex());
    form.leapYear = static_cast<LeapYearRule>(LeapYear->currentIndex());
    form.commonYear = static_cast<CommonYearRule>(CommonYear->currentIndex());
    form.remind = Remind->text().toStdString();
    Refresh();
}

void MyDayDialog::Refresh()
{
    const QString month = Q(LunarMonthCustomName(form.month, form.leap));
    const QString leapMonth = Q(LunarMonthCustomName(form.month, true));
    RenameRow(ShortMonth, month + QStringLiteral("只有廿九天时："));
    RenameRow(MissingLeap, QStringLiteral("没有") + leapMonth + QStringLiteral("的年份："));
    RenameRow(LeapYear, QStringLiteral("有") + leapMonth + QStringLiteral("的年份："));
    rows->setRowVisible(Leap, form.lunar);
    rows->setRowVisible(ShortMonth, NeedsShortMonthRule(form));
    rows->setRowVisible(MissingLeap, NeedsMissingLeapRule(form));
    rows->setRowVisible(LeapYear, NeedsLeapYearRule(form));
    rows->setRowVisible(CommonYear, NeedsCommonYearRule(form));
    MyDay titled;
    titled.title = form.title;
    Kind->setItemText(0, QStringLiteral("按标题（%1）").arg(Q(KindName(KindOf(titled)))));
    Remind->setPlaceholderText(QStringLiteral("默认：") + Q(DefaultRemindText(form)));
    Preview->setText(Q(PreviewText(form, from)));
    // Read with the dates, not for its label alone, when it takes the focus.
    Preview->setAccessibleName(QStringLiteral("接下来的日期：") + Preview->text());
}

void MyDayDialog::RenameRow(QWidget* field, const QString& label)
{
    if (auto* text = qobject_cast<QLabel*>(rows->labelForField(field))) text->setText(label);
    field->setAccessibleName(QString(label).remove(QStringLiteral("：")));
}

void MyDayDialog::TrySave()
{
    ReadControls();
    MyDay day;
    if (const std::string why = DayOfForm(form, day); !why.empty()) {
        ShowError(Q(why));
        return;
    }
    const MyDaySave result = save(day);
    if (!result.error.empty()) {
        ShowError(Q(result.error));
        return;
    }
    saved = day;
    accept();
}

void MyDayDialog::ShowError(const QString& why)
{
    Error->setText(why);
    Error->show();
    notice->Say(why);
}

}  // namespace dovrin
