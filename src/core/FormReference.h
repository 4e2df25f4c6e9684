#pragma once

#include <QPointer>

// Each window class has one reference to its most recently created instance. It is a
// guarded pointer: once that window has been released, the reference reads as null.
template <class Form>
QPointer<Form>& formReference()
{
    static QPointer<Form> reference;
    return reference;
}
