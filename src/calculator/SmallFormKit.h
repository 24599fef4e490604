#pragma once
// The form base and form kit the small dialogs are built on, and the factory that creates
// them on demand, translated.

#include "calculator/MultForm.h"
#include "platform/Colors.h"

#include <QPalette>
#include <QString>
#include <QWidget>

#include <memory>
#include <utility>

template <class T, class P, class... Args>
T* CreateControl(T*& field, const char* name, P* parent, Args&&... args)
{
    field = new T(std::forward<Args>(args)..., parent);
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

template <class T, class P, class... Args>
T* NewControl(const char* name, P* parent, Args&&... args)
{
    T* control = nullptr;
    return CreateControl(control, name, parent, std::forward<Args>(args)...);
}

template <class T, class... Args>
std::unique_ptr<T> CreateDialog(Args&&... args)
{
    return std::make_unique<T>(std::forward<Args>(args)...);
}

inline void SetTextColor(QWidget* control, TColor color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, ColorFromTColor(color));
    control->setPalette(palette);
}
