#include "platform/qt/accelerator_keys.h"

#include <QKeyEvent>

namespace ga {

namespace {

char keyCharacter(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<char>('A' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<char>('0' + (key - Qt::Key_0));
    if (key == Qt::Key_F1) return kKeyF1;
    if (key == Qt::Key_Escape) return kKeyEscape;
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

// The X key codes of the main row's 1..9 and 0, and of the keypad's 1..9.
constexpr quint32 kMainRowOne = 10, kMainRowZero = 19;
constexpr quint32 kKeypadCodes[9] = {87, 88, 89, 83, 84, 85, 79, 80, 81};

// The digit of the main-row key with this code, -1 for another key.
int mainRowDigit(quint32 code) {
    if (code == kMainRowZero) return 0;
    if (code >= kMainRowOne && code < kMainRowZero) return static_cast<int>(code - kMainRowOne) + 1;
    return -1;
}

}  // namespace

int noteDigitOfKeyEvent(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held = event.modifiers() & ~Qt::KeypadModifier;
    if (held != Qt::ShiftModifier) return 0;
    const quint32 code = event.nativeScanCode();
    const int row = mainRowDigit(code);
    if (row >= 1) return row;
    for (int digit = 1; digit <= 9; ++digit) {
        if (kKeypadCodes[digit - 1] == code) return digit;
    }
    if (code != 0 && row == 0) return 0;
    const int key = event.key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9) return key - Qt::Key_0;
    static constexpr int kShiftedSymbols[9] = {
        Qt::Key_Exclam,    Qt::Key_At,       Qt::Key_NumberSign,
        Qt::Key_Dollar,    Qt::Key_Percent,  Qt::Key_AsciiCircum,
        Qt::Key_Ampersand, Qt::Key_Asterisk, Qt::Key_ParenLeft};
    static constexpr int kKeypadKeys[9] = {Qt::Key_End,  Qt::Key_Down,  Qt::Key_PageDown,
                                           Qt::Key_Left, Qt::Key_Clear, Qt::Key_Right,
                                           Qt::Key_Home, Qt::Key_Up,    Qt::Key_PageUp};
    for (int digit = 1; digit <= 9; ++digit) {
        if (key == kShiftedSymbols[digit - 1]) return digit;
        if ((event.modifiers() & Qt::KeypadModifier) && key == kKeypadKeys[digit - 1]) return digit;
    }
    return 0;
}

int acceleratorOfKeyEvent(const std::vector<Accelerator>& accelerators, const QKeyEvent& event) {
    if (event.modifiers() & Qt::KeypadModifier) return 0;
    char key = keyCharacter(event.key());
    // With Alt or Shift a digit key may print something else on some layouts:
    // its place on the main row tells the digit.
    const int row = mainRowDigit(event.nativeScanCode());
    if (row >= 0 && (event.modifiers() & (Qt::AltModifier | Qt::ShiftModifier)))
        key = static_cast<char>('0' + row);
    if (key == 0) return 0;
    return acceleratorCommand(accelerators, key, modifierBits(event.modifiers()));
}

}  // namespace ga
