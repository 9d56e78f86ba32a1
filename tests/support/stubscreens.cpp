#include "support/stubscreens.h"
#include "app/screen.h"
#include "screens/screens.h"

#include <map>

namespace {

class StubScreen : public Screen
{
public:
    StubScreen(Program &program, const FormSpec &layout) : Screen(program, layout) {}

protected:
    void connectHandlers(Form &) override {}
    void load() override {}
};

const FormSpec &stubLayout(const QString &name)
{
    static std::map<QString, FormSpec> layouts;
    return layouts
        .try_emplace(name, FormSpec{.name = name,
                                    .caption = name,
                                    .clientWidth = 3000,
                                    .clientHeight = 3000,
                                    .controls = {}})
        .first->second;
}

} // namespace

void addScreensStubbingAllBut(Program &program, const QString &real)
{
    addScreensStubbingAllBut(program, QStringList{real});
}

void addScreensStubbingAllBut(Program &program, const QStringList &real)
{
    for (const ScreenKind &kind : screenKinds()) {
        if (real.contains(kind.name)) {
            program.addScreen(kind.name, kind.create);
            continue;
        }
        const QString name = kind.name;
        program.addScreen(
            name, [name](Program &p) { return std::make_unique<StubScreen>(p, stubLayout(name)); });
    }
}
