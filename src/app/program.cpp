#include "app/program.h"
#include "app/errorreporter.h"
#include "app/screen.h"
#include "platform/failure.h"

Program::Program(Services services) : m_services(services), m_windowMode(WindowMode::Normal) {}

Program::~Program() = default;

void Program::addScreen(const QString &name, ScreenFactory factory)
{
    m_factories[name] = std::move(factory);
}

Screen &Program::screen(const QString &name)
{
    auto &instance = m_screens[name];
    if (!instance) {
        const auto factory = m_factories.find(name);
        if (factory == m_factories.end())
            throw Failure(QStringLiteral("画面 %1 はありません。").arg(name));
        instance = factory->second(*this);
    }
    return *instance;
}

bool Program::hasInstance(const QString &name) const
{
    const auto found = m_screens.find(name);
    return found != m_screens.end() && found->second;
}

void Program::open(const QString &name)
{
    Screen &opened = screen(name);
    if (!opened.isOpen())
        opened.open();
}

int Program::openScreenCount() const
{
    int count = 0;
    for (const auto &[name, instance] : m_screens)
        count += instance && instance->isOpen();
    return count;
}

void Program::setWindowMode(WindowMode mode)
{
    m_windowMode = mode;
    for (const auto &[name, instance] : m_screens)
        if (instance && instance->isOpen())
            instance->form()->setWindowMode(mode);
}

void Program::toggleFullScreen()
{
    setWindowMode(m_windowMode == WindowMode::FullScreen ? WindowMode::Normal
                                                         : WindowMode::FullScreen);
}

void Program::dispatch(const std::function<void()> &handler)
{
    if (m_ended)
        return;
    ++m_depth;
    try {
        handler();
    } catch (const Failure &failure) {
        fail(failure.message());
    } catch (const std::exception &error) {
        fail(QString::fromLocal8Bit(error.what()));
    }
    --m_depth;
    if (m_depth == 0 && !m_ended && openScreenCount() == 0)
        end();
}

void Program::end()
{
    finish(0);
    emit ended(0);
}

void Program::finish(int status)
{
    m_ended = true;
    m_exitStatus = status;
    for (auto &[name, instance] : m_screens)
        if (instance)
            instance->close();
}

// The windows go first, so that no half-drawn screen stays behind the report.
void Program::fail(const QString &message)
{
    finish(1);
    m_services.errors.report(message);
    emit ended(1);
}
