#include "quizlayout.h"
#include "screennames.h"

const FormSpec &quizLayout()
{
    static const FormSpec layout{
        .name = ScreenName::Quiz,
        .caption = QStringLiteral("花の名前"),
        .clientWidth = 10275,
        .clientHeight = 7365,
        .backColor = 0xFF80FF80,
        .controls = {},
    };
    return layout;
}
