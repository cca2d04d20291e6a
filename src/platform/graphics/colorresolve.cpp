#include "platform/graphics/colorresolve.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <utility>

namespace {

QPalette::ColorRole roleOf(int index, QPalette::ColorGroup& group) {
    group = QPalette::Active;
    switch (index) {
    case 5:
        return QPalette::Base;
    case 6:
        return QPalette::Shadow;
    case 7:
        return QPalette::WindowText;
    case 8:
        return QPalette::WindowText;
    case 9:
        return QPalette::HighlightedText;
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 16:
        return QPalette::Dark;
    case 17:
        group = QPalette::Disabled;
        return QPalette::Text;
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light;
    case 21:
        return QPalette::Shadow;
    case 22:
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    default:
        return QPalette::Button;
    }
}

} // namespace

QColor toQColor(TColor color) {
    if (!isSystemColor(color)) return QColor(redOf(color), greenOf(color), blueOf(color));
    QPalette::ColorGroup group;
    const QPalette::ColorRole role = roleOf(color & 0xFF, group);
    return QGuiApplication::palette().color(group, role);
}

bool colorFromIdent(const QString& ident, TColor& color) {
    static const std::array<std::pair<const char*, TColor>, 37> table{{
        {"clBlack", clBlack},
        {"clMaroon", clMaroon},
        {"clGreen", clGreen},
        {"clOlive", clOlive},
        {"clNavy", clNavy},
        {"clPurple", clPurple},
        {"clTeal", clTeal},
        {"clGray", clGray},
        {"clSilver", clSilver},
        {"clRed", clRed},
        {"clLime", clLime},
        {"clYellow", clYellow},
        {"clBlue", clBlue},
        {"clFuchsia", clFuchsia},
        {"clAqua", clAqua},
        {"clWhite", clWhite},
        {"clScrollBar", clScrollBar},
        {"clBackground", clBackground},
        {"clActiveCaption", clActiveCaption},
        {"clInactiveCaption", clInactiveCaption},
        {"clMenu", clMenu},
        {"clWindow", clWindow},
        {"clWindowFrame", clWindowFrame},
        {"clMenuText", clMenuText},
        {"clWindowText", clWindowText},
        {"clCaptionText", clCaptionText},
        {"clHighlight", clHighlight},
        {"clHighlightText", clHighlightText},
        {"clBtnFace", clBtnFace},
        {"clBtnShadow", clBtnShadow},
        {"clGrayText", clGrayText},
        {"clBtnText", clBtnText},
        {"clBtnHighlight", clBtnHighlight},
        {"cl3DDkShadow", cl3DDkShadow},
        {"cl3DLight", cl3DLight},
        {"clInfoText", clInfoText},
        {"clInfoBk", clInfoBk},
    }};
    for (const auto& [name, value] : table) {
        if (ident.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
            color = value;
            return true;
        }
    }
    return false;
}
