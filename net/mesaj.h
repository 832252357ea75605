// The program's one message dialog.
#pragma once

#include <string>

#include "net/dialogs.h"

namespace zorvat {

// Message kinds.
inline constexpr int kUyari = 0;
inline constexpr int kHata = 1;
inline constexpr int kBilgi = 2;
inline constexpr int kSoru = 3;

// What the dialog for this text, kind, button set and tab-first button shows: the caption
// and sound of the kind, the Turkish button captions, the tab order, the focused button
// and the answers to Escape and the close box.
MesajPenceresi MesajPenceresiHazirla(const std::string& metin, int tur, MsgDlgButtons dugmeler,
                                     MsgDlgBtn ilkSekme);

// Shows the dialog modally on the user-interface thread (waiting for it when called from a
// worker) and returns the pressed button's modal result.
int MesajGoster(const std::string& metin, int tur, MsgDlgButtons dugmeler, MsgDlgBtn ilkSekme);

}  // namespace zorvat
