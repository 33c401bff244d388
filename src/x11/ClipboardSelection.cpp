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
    if (!mark || mark->type == XCB_NONE) {
        return true;
    }
    std::string_view value = mark->bytes;
    while (!value.empty() &&
           (value.back() == '\0' || value.back() == '\n' || value.back() == ' ')) {
        value.remove_suffix(1);
    }
    return value == "secret";
}

// How the reply's bytes are text, by its type (types: the atoms of kTextTypes);
// nothing for a type this program cannot read, or a property never written.
std::optional<TextEncoding> EncodingOf(const SelectionData& reply,
                                       std::span<const std::uint32_t> types) {
    const auto type = std::find(types.begin(), types.end(), reply.type);
    if (reply.type == XCB_NONE || reply.format != 8 || type == types.end()) {
        return std::nullopt;
    }
    return kTextTypes[type - types.begin()].encoding;
}

}  // namespace

ClipboardContent ReadClipboardSelection(const std::string& display,
                                        SelectionConnection::Clock::time_point deadline,
                                        int stopFd) {
    SelectionConnection x(display, deadline, stopFd);
    std::vector<std::string_view> names = {"CLIPBOARD", "TARGETS", kPasswordHint};
    names.insert(names.end(), std::begin(kTextTargets), std::end(kTextTargets));
    for (const TextType& type : kTextTypes) {
        names.push_back(type.name);
    }
    const std::vector<xcb_atom_t> atoms = x.Atoms(names);
    const xcb_atom_t clipboard = atoms[0];
    const std::span<const std::uint32_t> targets(atoms.data() + 3, std::size(kTextTargets));
    const std::span<const std::uint32_t> types(targets.data() + targets.size(),
                                               std::size(kTextTypes));

    ClipboardContent content;
    if (!x.HasOwner(clipboard)) {
        return content;
    }
    const std::optional<std::vector<std::uint32_t>> offered =
        AtomList(x.Convert(clipboard, atoms[1]));
    content.secret =
        offered && Contains(*offered, atoms[2]) && MarkedSecret(x, clipboard, atoms[2]);
    // Text the owner offered and then did not give fails the read, so that
    // nobody takes it for an empty text. Without the list of what it offers,
    // only a refusal of every target means it holds no text.
    std::optional<StepError> failure;
    for (std::size_t index : TextTargetOrder(targets, offered)) {
        std::optional<SelectionData> text = x.Convert(clipboard, targets[index]);
        const std::optional<TextEncoding> encoding = text ? EncodingOf(*text, types) : std::nullopt;
        if (!encoding) {
            if (!failure && (text || offered)) {
                failure = text ? TransferProtocolError() : TransferRefusedError();
            }
            continue;
        }
        content.text = SelectionTextToUtf8(std::move(text->bytes), *encoding);
        content.hasText = true;
        return content;
    }
    if (failure) {
        throw *failure;
    }
    return content;
}

}  // namespace textmend
