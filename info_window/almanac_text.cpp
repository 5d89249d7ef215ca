// The 黄历 section of the day text.
#include "info_window/almanac_text.h"

#include "calendar/almanac.h"

namespace dovrin {
namespace {

constexpr const char* CrLf = "\r\n";
constexpr const char* Sep = "===================================";  // as the sections above
constexpr const char* Gap = "　";                                   // an ideographic space

std::string PillarsLine(const AlmanacDay& a)
{
    return "干支：" + std::string(a.year.Name()) + "年 " + std::string(a.month.Name()) + "月 " +
           std::string(a.day.Name()) + "日（年、月以立春、节气为界）";
}

std::string ZhiXingLine(const AlmanacDay& a)
{
    return "建除：" + std::string(a.ZhiXingName()) + Gap + std::string(a.GodName()) +
           (a.IsHuangDao() ? "（黄道）" : "（黑道）") + Gap + "二十八宿：" + std::string(a.MansionLongName());
}

}  // namespace

void AppendAlmanacText(std::string& text, CivilDate date)
{
    const std::optional<AlmanacDay> almanac = AlmanacOfDay(date);
    if (!almanac) return;
    const AlmanacDay& a = *almanac;
    const auto line = [&text](const std::string& l) {
        text += l;
        text += CrLf;
    };
    if (!text.empty() && !text.ends_with(CrLf)) text += CrLf;
    line(Sep);
    line("黄历");
    line(PillarsLine(a));
    if (const std::string jie = a.JieText(); !jie.empty()) line(jie + "，本日起为" + std::string(a.month.Name()) + "月");
    line(ZhiXingLine(a));
    if (const std::string fu = a.FuText(); !fu.empty()) line("三伏：" + fu);
    if (const std::string nine = a.NineText(); !nine.empty()) line("数九：" + nine);
    // The almanac's reckoning, not the weather bureau's announcement.
    if (a.entersMeiyu) line("梅雨：历书入梅（芒种后第一个丙日）");
    if (a.leavesMeiyu) line("梅雨：历书出梅（小暑后第一个未日）");
    line("物候：" + a.PentadLabel() + Gap + std::string(a.PentadName()));
}

}  // namespace dovrin
