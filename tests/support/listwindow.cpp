#include "support/listwindow.h"

const FormSpec &bookListWindow()
{
    // The list's place and font in the picture book's layout.
    static const FormSpec layout{
        .name = "一覧",
        .caption = "一覧の試験",
        .clientWidth = 6000,
        .clientHeight = 4500,
        .backColor = 0xFFFFFFFF,
        .controls = {{.kind = ControlKind::List,
                      .name = "List1",
                      .left = 300,
                      .top = 300,
                      .width = 3375,
                      .height = 3180,
                      .backColor = 0xFFFFFFFF,
                      .foreColor = 0xFF000000,
                      .font = {Face::Mincho, 16, false}}},
    };
    return layout;
}
