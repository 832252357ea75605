// The folded form texts are searched in: Turkish letters and their plain forms, capitals
// and small letters all compare equal, so "şanzıman", "SANZIMAN" and "ŞANZIMAN" find the
// same part.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvat::server {

// Lower-case ASCII for A-Z; ç, ğ, ı, i, İ, ö, ş, ü, â, î, û in either case become c, g, i,
// i, i, o, s, u, a, i, u. Every other byte stays as it is.
std::string AramaMetni(std::string_view text);

// The words of a search text, folded, without repeats, in their first order.
std::vector<std::string> AramaKelimeleri(std::string_view text);

// Letters, not bytes: what the trigram index counts.
std::size_t HarfSayisi(std::string_view text);

// The words of a search text that a user typed. A text of more than 100 letters is no
// search: it is refused with a message for the user (MethodError).
std::vector<std::string> AranacakKelimeler(std::string_view text);

}  // namespace zorvat::server
