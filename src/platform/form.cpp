#include "platform/form.h"
#include "platform/commandbutton.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/listbox.h"
#include "platform/timer.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace {

constexpr Qt::WindowFlags FixedWindow = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

QString controlKey(const QString &name, int index)
{
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

bool takesFocus(const ControlSpec &control)
{
    return control.kind == ControlKind::Button || control.kind == ControlKind::List ||
           control.tabStop;
}

} // namespace

Form::Form(const FormSpec &layout, SoundFactory &sounds)
    : QWidget(nullptr, FixedWindow), m_backColor(layout.backColor)
{
    setObjectName(layout.name);
    setWindowTitle(layout.caption);
    setFixedSize(twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight));
    setMouseTracking(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(layout.backColor));
    setPalette(colours);
    setAutoFillBackground(true);

    // Built from the back to the front, so that each control lies in front
    // of every control listed after it.
    for (auto row = layout.controls.rbegin(); row != layout.controls.rend(); ++row)
        addControl(*row, sounds);
    std::reverse(m_stack.begin(), m_stack.end());
    setTabOrder(layout);
    collectLabelArrays();
}

Form::~Form() = default;

void Form::addControl(const ControlSpec &row, SoundFactory &sounds)
{
    Control *control = nullptr;
    switch (row.kind) {
    case ControlKind::Timer:
        m_timers.insert(row.name, new Timer(row.name, 0, this));
        return;
    case ControlKind::Player:
        m_players[row.name] = sounds.create(row.name);
        return;
    case ControlKind::Button:
        control = new CommandButton(row, this);
        break;
    case ControlKind::Label:
        control = new Label(row, this);
        break;
    case ControlKind::Image:
        control = new Image(row, this);
        break;
    case ControlKind::List:
        control = new ListBox(row, this);
        break;
    }
    m_stack.append(control);
    m_controls.insert(controlKey(row.name, row.index), control);
}

void Form::setTabOrder(const FormSpec &layout)
{
    std::vector<const ControlSpec *> order;
    for (const ControlSpec &control : layout.controls)
        if (takesFocus(control) && control.tabIndex >= 0)
            order.push_back(&control);
    std::sort(order.begin(), order.end(),
              [](auto *a, auto *b) { return a->tabIndex < b->tabIndex; });
    QWidget *previous = nullptr;
    for (const ControlSpec *control : order) {
        QWidget *widget = m_controls.value(controlKey(control->name, control->index));
        if (previous)
            QWidget::setTabOrder(previous, widget);
        if (!control->tabStop)
            m_focusOrder.append(widget);
        previous = widget;
    }
}

template <typename T> T *Form::find(const QString &name) const
{
    T *control = qobject_cast<T *>(m_controls.value(name));
    if (!control)
        throw Failure(
            QStringLiteral("画面 %1 にコントロール %2 がありません。").arg(objectName(), name));
    return control;
}

Label *Form::label(const QString &name) const
{
    return find<Label>(name);
}

Image *Form::image(const QString &name) const
{
    return find<Image>(name);
}

CommandButton *Form::button(const QString &name) const
{
    return find<CommandButton>(name);
}

ListBox *Form::list(const QString &name) const
{
    return find<ListBox>(name);
}

Timer *Form::timer(const QString &name) const
{
    Timer *timer = m_timers.value(name);
    if (!timer)
        throw Failure(
            QStringLiteral("画面 %1 にタイマー %2 がありません。").arg(objectName(), name));
    return timer;
}

SoundPlayer *Form::player(const QString &name) const
{
    const auto found = m_players.find(name);
    if (found == m_players.end())
        throw Failure(QStringLiteral("画面 %1 にサウンドプレーヤー %2 がありません。")
                          .arg(objectName(), name));
    return found->second.get();
}

void Form::collectLabelArrays()
{
    std::map<QString, QMap<int16_t, Label *>> arrays;
    for (Control *control : std::as_const(m_stack))
        if (auto *label = qobject_cast<Label *>(control); label && control->index() >= 0)
            arrays[control->name()].insert(int16_t(control->index()), label);
    for (auto &[name, elements] : arrays)
        m_labelArrays.try_emplace(name, name, std::move(elements));
}

const ControlArray<Label> &Form::labelArray(const QString &name) const
{
    const auto found = m_labelArrays.find(name);
    if (found == m_labelArrays.end())
        throw Failure(
            QStringLiteral("画面 %1 にコントロール配列 %2 がありません。").arg(objectName(), name));
    return found->second;
}

QList<Timer *> Form::timers() const
{
    return m_timers.values();
}

void Form::stopTimers()
{
    for (Timer *timer : std::as_const(m_timers))
        timer->setInterval(0);
}

void Form::showCentred()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    const auto first = std::find_if(m_focusOrder.cbegin(), m_focusOrder.cend(),
                                    [this](QWidget *widget) { return widget->isVisibleTo(this); });
    if (first != m_focusOrder.cend())
        (*first)->setFocus(Qt::OtherFocusReason);
}

void Form::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved();
}

void Form::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

// The close box does not close the window by itself: the screen decides,
// so that the program's rules for ending apply.
void Form::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit closeRequested();
}
