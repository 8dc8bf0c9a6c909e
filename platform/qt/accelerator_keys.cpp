#include "platform/qt/accelerator_keys.h"

#include <QKeyEvent>

namespace ga {

namespace {

char keyCharacter(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<char>('A' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<char>('0' + (key - Qt::Key_0));
    return 0;
}

unsigned modifierBits(Qt::KeyboardModifiers modifiers) {
    unsigned bits = 0;
    if (modifiers & Qt::ControlModifier) bits |= kModifierCtrl;
    if (modifiers & Qt::ShiftModifier) bits |= kModifierShift;
    if (modifiers & Qt::AltModifier) bits |= kModifierAlt;
    if (modifiers & Qt::MetaModifier) bits |= kModifierMeta;
    return bits;
}

}  // namespace

int acceleratorOfKeyEvent(const std::vector<Accelerator>& accelerators, const QKeyEvent& event) {
    if (event.modifiers() & Qt::KeypadModifier) return 0;
    const char key = keyCharacter(event.key());
    if (key == 0) return 0;
    return acceleratorCommand(accelerators, key, modifierBits(event.modifiers()));
}

}  // namespace ga
