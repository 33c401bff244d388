#include "x11/ClipboardSelection.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "x11/SelectionText.h"

namespace textmend {
namespace {

// Password managers offer this target, converting to "secret", with what they copy.
constexpr std::string_view kPasswordHint = "x-kde-passwordManagerHint";

std::optional<std::vector<std::uint32_t>> AtomList(const std::optional<SelectionData>& data) {
    if (!data || data->format != 32) {
        return std::nullopt;
    }
    std::vector<std::uint32_t> atoms(data->bytes.size() / 4);
    std::memcpy(atoms.data(), data->bytes.data(), atoms.size() * 4);
    return atoms;
}

bool Contains(const std::vector<std::uint32_t>& atoms, std::uint32_t atom) {
    return std::find(atoms.begin(), atoms.end(), atom) != atoms.end();
}

// A mark that cannot be read may still mean secret: only a readable "no" is no.
bool MarkedSecret(SelectionConnection& x, xcb_atom_t clipboard, xcb_atom_t hint) {
    const std::optional<SelectionData> mark = x.Convert(clipboard, hint);
    if (!mark) {
        return true;
    }
    std::string_view value = mark->bytes;
    while (!value.empty() &&
           (value.back() == '\0' || value.back() == '\n' || value.back() == ' ')) {
        value.remove_suffix(1);
    }
    return value == "secret";
}

}  // namespace

ClipboardContent ReadClipboardSelection(SelectionConnection::Clock::time_point deadline,
                                        int stopFd) {
    SelectionConnection x(deadline, stopFd);
    std::vector<std::string_view> names = {"CLIPBOARD", "TARGETS", kPasswordHint};
    for (const TextTarget& target : kTextTargets) {
        names.push_back(target.name);
    }
    const std::vector<xcb_atom_t> atoms = x.Atoms(names);
    const xcb_atom_t clipboard = atoms[0];
    const std::span<const std::uint32_t> textAtoms(atoms.begin() + 3, atoms.end());

    ClipboardContent content;
    if (!x.HasOwner(clipboard)) {
        return content;
    }
    const std::optional<std::vector<std::uint32_t>> offered =
        AtomList(x.Convert(clipboard, atoms[1]));
    content.secret =
        offered && Contains(*offered, atoms[2]) && MarkedSecret(x, clipboard, atoms[2]);
    for (std::size_t index : TextTargetOrder(textAtoms, offered)) {
        std::optional<SelectionData> text = x.Convert(clipboard, textAtoms[index]);
        if (!text) {
            continue;
        }
        const bool sentAsUtf8 = text->type == textAtoms[0];
        content.text = SelectionTextToUtf8(
            text->bytes, sentAsUtf8 ? TextEncoding::Utf8 : kTextTargets[index].encoding);
        content.hasText = true;
        break;
    }
    return content;
}

}  // namespace textmend
