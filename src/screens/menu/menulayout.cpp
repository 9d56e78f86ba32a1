#include "menulayout.h"
#include "screennames.h"

const FormSpec &menuLayout()
{
    static const FormSpec layout{
        .name = ScreenName::Menu,
        .caption = QStringLiteral("メニュー"),
        .clientWidth = 10305,
        .clientHeight = 7365,
        .backColor = 0xFF00FFFF,
        .controls = {},
    };
    return layout;
}
