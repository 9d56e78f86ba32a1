#include "check/expectations.h"
#include "platform/fonts.h"
#include "platform/listbox.h"
#include "platform/twips.h"
#include "screens/picture_book/picturebooklayout.h"
#include "screens/quiz/quizboard.h"

#include <QListWidget>
#include <QStyle>
#include <algorithm>

namespace {

const ControlSpec &pictureBookControl(const QString &name)
{
    const auto &controls = pictureBookLayout().controls;
    return *std::find_if(controls.begin(), controls.end(),
                         [&name](const ControlSpec &control) { return control.name == name; });
}

// The width a row's text has in the explanation list: the box less its
// sunken frame and the margins the style leaves around an item's text.
int listTextWidth(const ControlSpec &list)
{
    const ListBox box(list, nullptr);
    const int margin = box.view()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    return twipsToPixels(list.width) - 2 * box.view()->frameWidth() - 2 * margin;
}

} // namespace

ContentExpectations screenExpectations()
{
    ContentExpectations expected;
    for (QStringView name : QuizBoard::Names)
        expected.names << name.toString();
    const ControlSpec &list = pictureBookControl(QStringLiteral("List1"));
    expected.listFont = fontFor(list.font);
    expected.listTextWidth = listTextWidth(list);
    const ControlSpec &frame = pictureBookControl(QStringLiteral("Image2"));
    expected.pictureFrame = QSize(twipsToPixels(frame.width), twipsToPixels(frame.height));
    return expected;
}
