#include "picturebooklayout.h"
#include "screennames.h"

const FormSpec &pictureBookLayout()
{
    static const FormSpec layout{
        .name = ScreenName::PictureBook,
        .caption = QStringLiteral("花の図鑑"),
        .clientWidth = 10305,
        .clientHeight = 7365,
        .backColor = 0xFF80FF80,
        .controls = {},
    };
    return layout;
}
