#pragma once

#include <functional>

#include <QString>

namespace platform {

// Every message the program gives goes through this one function: a modal box
// with a single OK button, the text shown as plain text. Tests install a
// handler to read and answer the boxes.
void MsgBox(const QString& text, const QString& title);

using MessageBoxHandler = std::function<void(const QString& text, const QString& title)>;
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);  // null: the real box

// The real box, for the handler tests that exercise the modal path.
void showMessageBox(const QString& text, const QString& title);

}  // namespace platform
