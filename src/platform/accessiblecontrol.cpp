#include "platform/accessiblecontrol.h"
#include "platform/commandbutton.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/listbox.h"

namespace {

QAccessibleInterface *controlInterface(const QString &, QObject *object)
{
    if (auto *form = qobject_cast<Form *>(object))
        return new QAccessibleWidget(form, QAccessible::Window);
    auto *control = qobject_cast<Control *>(object);
    if (!control || qobject_cast<ListBox *>(object))
        return nullptr;
    return new AccessibleControl(control);
}

} // namespace

AccessibleControl::AccessibleControl(Control *control)
    : QAccessibleWidget(control, QAccessible::Client)
{
}

Control *AccessibleControl::control() const
{
    return static_cast<Control *>(widget());
}

bool AccessibleControl::isPressable() const
{
    return qobject_cast<CommandButton *>(control()) || control()->isClickHandled();
}

QAccessible::Role AccessibleControl::role() const
{
    if (isPressable())
        return QAccessible::Button;
    if (qobject_cast<Image *>(control()))
        return QAccessible::Graphic;
    return QAccessible::StaticText;
}

QStringList AccessibleControl::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (isPressable() && control()->isVisible())
        names.prepend(pressAction());
    return names;
}

void AccessibleControl::doAction(const QString &actionName)
{
    if (actionName == pressAction() && isPressable() && control()->isVisible())
        control()->click();
    else
        QAccessibleWidget::doAction(actionName);
}

void installControlAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(controlInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
