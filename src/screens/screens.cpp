#include "screens/screens.h"
#include "app/screennames.h"
#include "records/records.h"
#include "screens/learners/learnersscreen.h"
#include "screens/menu/menuscreen.h"
#include "screens/picture_book/picturebookscreen.h"
#include "screens/quiz/quizscreen.h"
#include "screens/stampcard/stampcardscreen.h"

namespace {

template <typename Kind> std::unique_ptr<Screen> make(Program &program)
{
    return std::make_unique<Kind>(program);
}

std::unique_ptr<Screen> makeReview(Program &program)
{
    return std::make_unique<QuizScreen>(program, GameKind::Review);
}

} // namespace

const std::vector<ScreenKind> &screenKinds()
{
    static const std::vector<ScreenKind> kinds{
        {ScreenName::Menu, make<MenuScreen>}, {ScreenName::PictureBook, make<PictureBookScreen>},
        {ScreenName::Quiz, make<QuizScreen>}, {ScreenName::Learners, make<LearnersScreen>},
        {ScreenName::Review, makeReview},     {ScreenName::StampCard, make<StampCardScreen>},
    };
    return kinds;
}

void addScreens(Program &program)
{
    for (const ScreenKind &kind : screenKinds())
        program.addScreen(kind.name, kind.create);
}
