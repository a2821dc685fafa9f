// The window, its pages and its controls as fixed data. The window is built
// from these rows alone, so a place, a caption or an order is changed here and
// nowhere else.
#pragma once

#include <QRect>
#include <QSize>
#include <QStringView>
#include <array>
#include <cstdint>

namespace morvane {

inline constexpr QStringView kWindowCaption = u"Morvane";
inline constexpr std::uint32_t kWindowIdentifier = 0x52010001;
// Frame and title bar included.
inline constexpr QSize kWindowOuterSize{380, 250};

enum class ControlKind { kTabControl, kEditBox, kPushButton };

struct ControlRow {
    QStringView name;  // also the widget's object name
    std::uint32_t identifier;
    ControlKind kind;
    int page;  // 1 or 2; 0 for the tab control, which is on no page
    // The tab control's in the window's client area; a member's measured from
    // the tab control's top-left corner, so the tab row lies above top 32.
    QRect place;
    QStringView text;  // caption or initial text
    bool verticalScrollBar;
    // What a screen reader says of a box; a button is known by its caption.
    QStringView accessibleName = {};
    QStringView accessibleDescription = {};
};

// In creation order, which is also the order that Tab walks.
inline constexpr std::array kControls = {
    ControlRow{u"选择夹1", 0x16010003, ControlKind::kTabControl, 0, {8, 8, 352, 200}, {}, false},
    ControlRow{u"编辑框1",
               0x16010004,
               ControlKind::kEditBox,
               1,
               {8, 32, 328, 56},
               u"6543219870.12",
               false,
               u"金额",
               u"要转换的金额，用阿拉伯数字书写，例如 1234.56"},
    ControlRow{u"编辑框2",
               0x16010005,
               ControlKind::kEditBox,
               1,
               {8, 130, 328, 56},
               u"工具简介:\n通过本工具可以实现人民币数字大写转换",
               false,
               u"大写金额",
               u"转换得到的人民币中文大写金额"},
    ControlRow{u"按钮1",
               0x16010006,
               ControlKind::kPushButton,
               1,
               {8, 93, 128, 32},
               u"转换成中文大写",
               false},
    ControlRow{
        u"按钮2", 0x16010009, ControlKind::kPushButton, 1, {146, 93, 80, 32}, u"复制", false},
    ControlRow{
        u"按钮3", 0x1601000A, ControlKind::kPushButton, 1, {239, 93, 80, 32}, u"清空", false},
    ControlRow{
        u"编辑框3",
        0x16010022,
        ControlKind::kEditBox,
        2,
        {8, 32, 336, 112},
        u"工具简介:\n可以实现单词、段落、语句以及文章的英文大小写转换，可以将大写字母全部转换"
        u"成小写字母，也可以将小写字母全部转换为大写字母，还可以实现首字母大写转换。",
        true,
        u"英文文本",
        u"要转换大小写的英文文本，转换结果也写回这里"},
    ControlRow{
        u"按钮4", 0x16010023, ControlKind::kPushButton, 2, {7, 158, 80, 32}, u"转换成大写", false},
    ControlRow{
        u"按钮5", 0x16010024, ControlKind::kPushButton, 2, {90, 158, 80, 32}, u"转换成小写", false},
    ControlRow{u"按钮6",
               0x16010025,
               ControlKind::kPushButton,
               2,
               {173, 158, 80, 32},
               u"首字母大写",
               false},
    ControlRow{
        u"按钮7", 0x16010026, ControlKind::kPushButton, 2, {264, 159, 40, 32}, u"复制", false},
    ControlRow{
        u"按钮8", 0x16010027, ControlKind::kPushButton, 2, {306, 159, 40, 32}, u"清空", false},
};

struct PageRow {
    QStringView caption;
    // In stored order: a page switch gives the focus to the first of them.
    std::array<QStringView, 6> members;
};

inline constexpr std::array kPages = {
    PageRow{u"人民币数字大写转换", {u"按钮3", u"按钮2", u"按钮1", u"编辑框2", u"编辑框1", {}}},
    PageRow{u"英文大小写转换", {u"按钮8", u"按钮7", u"按钮6", u"按钮5", u"按钮4", u"编辑框3"}},
};

namespace detail {

constexpr bool Same(QStringView a, QStringView b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) return false;
    }
    return true;
}

// Every control of a page is among that page's members exactly once, and a
// member list names nothing else.
constexpr bool PagesMatchControls() {
    for (std::size_t page = 0; page < kPages.size(); ++page) {
        int listed = 0;
        for (QStringView member : kPages[page].members) listed += member.isEmpty() ? 0 : 1;
        int found = 0;
        for (const ControlRow& row : kControls) {
            if (row.page != static_cast<int>(page) + 1) continue;
            int times = 0;
            for (QStringView member : kPages[page].members) times += Same(member, row.name) ? 1 : 0;
            if (times != 1) return false;
            ++found;
        }
        if (found != listed) return false;
    }
    return true;
}

}  // namespace detail

static_assert(detail::PagesMatchControls(), "a page's members and the controls disagree");

}  // namespace morvane
