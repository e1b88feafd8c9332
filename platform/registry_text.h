// The store file's text: the registry export format, in UTF-8.
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Vantrel\Tesalo]
//   "polyLimit"=dword:00000010          DWORD of 4 bytes
//   "name"="a \"quoted\" C:\\path"      string: UTF-16 with one terminating zero, no zero,
//                                       CR or LF inside; " and \ escaped with a backslash
//   "blob"=hex:01,02,ff                 binary
//   "other"=hex(b):01,00,00,00,00,00,00,00
//                                       any other type, a string that is not plain text,
//                                       or a DWORD not of 4 bytes: the type in hex, the bytes
//   @="..."                             the key's default value (empty name)
//
// Written with LF line ends; keys in the order they were read, new ones (parents first) at
// the end; values likewise; each key's section closed by a blank line.
//
// Reading also takes CRLF line ends, a UTF-8 byte-order mark, hex digits of either case, and
// byte lists continued over lines ending in "\" onto indented lines. A DWORD has exactly 8
// digits and a byte 2, so that a line cut short is never read as a smaller number.
//
// Lines that cannot be read (blank lines aside) are kept verbatim with the key they follow
// and written back after its values: a damaged file loses nothing when the store is next
// written. Lines below a header that cannot be read stay with that header, never with the
// key before it. A value named twice in one key takes the later line, as an import would.
#pragma once

#include <string>
#include <string_view>

#include "platform/registry_store.h"

namespace platform {

RegistryStore ParseRegistryText(std::string_view text);
std::string FormatRegistryText(const RegistryStore& store);

}  // namespace platform
