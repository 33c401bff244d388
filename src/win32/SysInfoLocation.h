#pragma once

// Where Windows records its system-information tool: two entries under the
// machine's hive, read with read access only (a standard user is refused more).

#include <windows.h>

#include <optional>
#include <string>

namespace textmend {

// Reads valueName of keyName under root into value: text values as they are,
// 32-bit numbers as "&h" and the hexadecimal digits of their bytes from the last
// to the first. False, with value emptied, when the key or the value cannot be
// read (also a value longer than 1024 bytes); a value of any other type leaves
// value as it was and counts as read.
bool GetKeyValue(HKEY root, const std::string& keyName, const std::string& valueName,
                 std::string& value);

// Whether path names a normal file: not hidden, not a system file, not a folder.
bool IsNormalFile(const std::string& path);

// The tool's path under "SOFTWARE\Microsoft\Shared Tools\MSINFO" (value PATH) of
// machine; else MSINFO32.EXE in the folder under "SOFTWARE\Microsoft\Shared Tools
// Location" (value MSINFO), when it is a normal file there; else nothing. A first
// entry of another type is found all the same and names no program: the path is
// empty, and the second entry is not tried.
std::optional<std::string> LocateSysInfoTool(HKEY machine = HKEY_LOCAL_MACHINE);

}  // namespace textmend
