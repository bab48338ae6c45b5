#include "platform/x11/x11_desktop.h"

#include "platform/virtual_key_keysyms.h"
#include "platform/x11/x11_windows.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

// Xlib last: its macros (Status, Bool) break Qt headers included after it.
#include "platform/x11/x11_support.h"
#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <optional>
#include <vector>

namespace {

// XKB names of the letter keys A to Z on a US keyboard.
constexpr const char* kUsLetterKeys[26] = {"AC01", "AB05", "AB03", "AC03", "AD03", "AC04", "AC05",
                                           "AC06", "AD08", "AC07", "AC08", "AC09", "AB07", "AB06",
                                           "AD09", "AD10", "AD01", "AD04", "AC02", "AD05", "AD07",
                                           "AB04", "AD02", "AB02", "AD06", "AB01"};

KeyCode KeycodeOfUsLetterIn(XkbDescPtr xkb, char letter) {
    if (letter >= 'a' && letter <= 'z')
        letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z' || !xkb || !xkb->names || !xkb->names->keys)
        return 0;
    const char* wanted = kUsLetterKeys[letter - 'A'];
    for (int code = xkb->min_key_code; code <= xkb->max_key_code; ++code) {
        if (std::strncmp(xkb->names->keys[code].name, wanted, XkbKeyNameLength) == 0)
            return static_cast<KeyCode>(code);
    }
    return 0;
}

// A program reads a changed keyboard map only when it handles the key event, which may be well
// after the server delivered it: a key lent for the moment keeps its keysym until the focused
// program has caught up, at most this long...
constexpr int kCatchUpLimitMs = 2000;
// ...or, for a program that cannot tell, this long.
constexpr int kBindingSettleMs = 300;

void ProcessEventsFor(int ms) {
    QElapsedTimer waited;
    waited.start();
    do {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
        QThread::msleep(2);
    } while (waited.elapsed() < ms);
}

// Where a keysym sits in the keyboard map: the key, the group that holds it and the modifiers
// that select its level. `binding` names the spare key binding the key needs first, or -1.
struct KeyPlace {
    KeyCode keycode = 0;
    int group = 0;
    unsigned int mods = 0;
    int binding = -1;
};

// A keysym the map lacks, lent a key for the sequence: its lower and upper case on the first two
// levels, so that Shift selects the upper case as on any letter key. A Latin letter gets the key
// that carries it on a US keyboard, whose own symbols are given back afterwards: programs that
// match shortcuts by key position (Chromium) then see the letter's key, those that match by
// keysym (GTK, Firefox, LibreOffice) its keysym. Anything else gets a key without symbols.
struct SpareBinding {
    KeyCode keycode = 0;
    KeySym lower = NoSymbol;
    KeySym upper = NoSymbol;
    bool letterKey = false;
    bool active = false;
};

class X11KeySink final : public KeySink {
public:
    ~X11KeySink() override { endSequence(); }

    void beginSequence() override {
        endSequence();
        display_ = X11Display();
        if (!display_)
            return;
        // The user may switch layouts between two insertions: read the map every time.
        xkb_ = XkbGetMap(display_, XkbKeyTypesMask | XkbKeySymsMask | XkbModifierMapMask,
                         XkbUseCoreKbd);
        if (xkb_)
            XkbGetNames(display_, XkbKeyNamesMask, xkb_);
        FindSpareKeys();
        XkbStateRec state{};
        if (XkbGetState(display_, XkbUseCoreKbd, &state) == Success) {
            activeGroup_ = state.group;
            lockedGroup_ = state.locked_group;
        }
        characterKeys_.fill(std::nullopt);
        nextPoolIndex_ = 0;
    }

    void endSequence() override {
        if (!display_)
            return;
        {
            X11ErrorGuard guard(display_);
            for (auto it = held_.rbegin(); it != held_.rend(); ++it)
                XTestFakeKeyEvent(display_, *it, False, CurrentTime);
            held_.clear();
            if (groupSwitched_) {
                XkbLockGroup(display_, XkbUseCoreKbd, lockedGroup_);
                groupSwitched_ = false;
            }
            XFlush(display_);
        }
        RestoreSpareKeys();
        FreeMap();
        display_ = nullptr;
    }

    void keyDown(std::uint8_t key, std::uint8_t) override {
        auto place = PlaceOfVirtualKey(key);
        if (!place || !display_)
            return;
        if (place->binding >= 0)
            Bind(bindings_[static_cast<std::size_t>(place->binding)]);
        if (place->group != activeGroup_) {
            // The character lives in another layout group: lock that group for this key only.
            XkbLockGroup(display_, XkbUseCoreKbd, place->group);
            groupSwitched_ = true;
        }
        XTestFakeKeyEvent(display_, place->keycode, True, CurrentTime);
        held_.push_back(place->keycode);
        XFlush(display_);
    }

    void keyUp(std::uint8_t key, std::uint8_t) override {
        auto place = PlaceOfVirtualKey(key);
        if (!place || !display_)
            return;
        XTestFakeKeyEvent(display_, place->keycode, False, CurrentTime);
        for (auto it = held_.begin(); it != held_.end(); ++it) {
            if (*it == place->keycode) {
                held_.erase(it);
                break;
            }
        }
        if (groupSwitched_ && place->group != activeGroup_) {
            XkbLockGroup(display_, XkbUseCoreKbd, lockedGroup_);
            groupSwitched_ = false;
        }
        XFlush(display_);
    }

    // A program loads its copy of the map lazily and hears of a change only once it has done so:
    // a key lent between two key events could reach it before the change. All keys are lent
    // here, before the first key event, and kept until the sequence ends.
    void prepareCharacters(const std::vector<std::uint8_t>& characters) override {
        if (!display_)
            return;
        // The keys that type characters of the sequence are never lent to others.
        for (std::uint8_t character : characters) {
            if (HasKeysym(character)) {
                if (auto place = FindInAnyGroup(character))
                    keysInUse_.push_back(place->keycode);
            }
        }
        for (std::uint8_t character : characters) {
            if (HasKeysym(character))
                FindKeysym(character);
        }
        for (SpareBinding& binding : bindings_)
            Bind(binding);
        XSync(display_, False);
    }

    KeyScanResult VkKeyScan(std::uint8_t character) override {
        constexpr KeyScanResult unmapped{vk::Unmapped, 255};
        if (!HasKeysym(character))
            return unmapped;
        auto place = FindKeysym(character);
        if (!place)
            return unmapped;
        std::uint8_t shiftState = 0;
        if (place->mods & ShiftMask)
            shiftState |= 1;
        if (place->mods & ~(ShiftMask | LockMask))
            shiftState |= 6; // a third-level key (AltGr) counts as Ctrl+Alt
        return {RegisterCharacterKey(character, *place), shiftState};
    }

    std::uint8_t MapVirtualKey(std::uint8_t key) override {
        auto place = PlaceOfVirtualKey(key);
        // Evdev keycodes are the kernel's key numbers plus 8, which are the PC scan codes.
        if (!place || place->keycode < 8)
            return 0;
        int scan = place->keycode - 8;
        return scan <= 255 ? static_cast<std::uint8_t>(scan) : 0;
    }

private:
    // Latin-1 keysyms equal their character codes; 127 to 159 have none.
    static bool HasKeysym(std::uint8_t character) {
        return character >= 32 && (character < 127 || character >= 160);
    }

    void FreeMap() {
        if (xkb_) {
            XkbFreeKeyboard(xkb_, 0, True);
            xkb_ = nullptr;
        }
    }

    // The group that a key actually uses when `group` is active (keys with fewer groups wrap,
    // clamp or redirect as their group info says).
    int EffectiveGroup(KeyCode keycode, int group) const {
        int groups = XkbKeyNumGroups(xkb_, keycode);
        if (groups <= 0)
            return -1;
        if (group < groups)
            return group;
        unsigned char info = XkbKeyGroupInfo(xkb_, keycode);
        switch (XkbOutOfRangeGroupAction(info)) {
        case XkbClampIntoRange:
            return groups - 1;
        case XkbRedirectIntoRange: {
            int redirect = XkbOutOfRangeGroupNumber(info);
            return redirect < groups ? redirect : 0;
        }
        default:
            return group % groups;
        }
    }

    // The modifiers that select `level` of the key in `group`, the fewest there are; nullopt
    // when no combination reaches it without Caps Lock.
    std::optional<unsigned int> ModsForLevel(KeyCode keycode, int group, int level) const {
        if (level == 0)
            return 0u;
        XkbKeyTypePtr type = XkbKeyKeyType(xkb_, keycode, group);
        std::optional<unsigned int> best;
        for (int i = 0; i < type->map_count; ++i) {
            const XkbKTMapEntryRec& entry = type->map[i];
            if (!entry.active || entry.level != level || (entry.mods.mask & LockMask))
                continue;
            unsigned int mask = entry.mods.mask;
            if (!best || std::popcount(mask) < std::popcount(*best))
                best = mask;
        }
        return best;
    }

    std::optional<KeyPlace> FindInGroup(KeySym keysym, int group) const {
        std::optional<KeyPlace> best;
        for (int code = xkb_->min_key_code; code <= xkb_->max_key_code; ++code) {
            auto keycode = static_cast<KeyCode>(code);
            int effective = EffectiveGroup(keycode, group);
            if (effective < 0)
                continue;
            int width = XkbKeyGroupWidth(xkb_, keycode, effective);
            for (int level = 0; level < width; ++level) {
                if (XkbKeySymEntry(xkb_, keycode, level, effective) != keysym)
                    continue;
                auto mods = ModsForLevel(keycode, effective, level);
                if (!mods)
                    continue;
                if (!best || std::popcount(*mods) < std::popcount(best->mods))
                    best = KeyPlace{keycode, group, *mods};
                break;
            }
            if (best && best->mods == 0)
                break;
        }
        return best;
    }

    // The active group first; a keysym it lacks is taken from the first group that has it.
    std::optional<KeyPlace> FindInAnyGroup(KeySym keysym) const {
        if (!xkb_ || !xkb_->map)
            return std::nullopt;
        if (auto place = FindInGroup(keysym, activeGroup_))
            return place;
        for (int group = 0; group < XkbNumKbdGroups; ++group) {
            if (group == activeGroup_)
                continue;
            if (auto place = FindInGroup(keysym, group))
                return place;
        }
        return std::nullopt;
    }

    // No group has it (a Latin letter on a Cyrillic-only map): the keysym is lent a key.
    std::optional<KeyPlace> FindKeysym(KeySym keysym) {
        if (auto place = FindInAnyGroup(keysym))
            return place;
        if (!xkb_ || !xkb_->map)
            return std::nullopt;
        return LentPlace(keysym);
    }

    std::optional<KeyPlace> LentPlace(KeySym keysym) {
        KeySym lower = NoSymbol, upper = NoSymbol;
        XConvertCase(keysym, &lower, &upper);
        const unsigned int mods = keysym != lower ? ShiftMask : 0u;
        for (std::size_t i = 0; i < bindings_.size(); ++i) {
            if (bindings_[i].lower == lower)
                return KeyPlace{bindings_[i].keycode, activeGroup_, mods, static_cast<int>(i)};
        }
        KeyCode letterKey = 0;
        if (lower >= XK_a && lower <= XK_z) {
            letterKey = KeycodeOfUsLetterIn(xkb_, static_cast<char>(lower));
            if (std::find(keysInUse_.begin(), keysInUse_.end(), letterKey) != keysInUse_.end())
                letterKey = 0;
        }
        if (letterKey) {
            bindings_.push_back({letterKey, lower, upper, true, false});
        } else {
            while (nextSpare_ < spareKeys_.size() &&
                   std::find(keysInUse_.begin(), keysInUse_.end(), spareKeys_[nextSpare_]) !=
                       keysInUse_.end())
                ++nextSpare_;
            if (nextSpare_ >= spareKeys_.size())
                return std::nullopt;
            bindings_.push_back({spareKeys_[nextSpare_++], lower, upper, false, false});
        }
        keysInUse_.push_back(bindings_.back().keycode);
        return KeyPlace{bindings_.back().keycode, activeGroup_, mods,
                        static_cast<int>(bindings_.size() - 1)};
    }

    // Keys without any symbol and without a modifier: nothing types on them, so lending one for a
    // moment changes nothing else. The highest first, as the least likely to exist on a keyboard.
    void FindSpareKeys() {
        spareKeys_.clear();
        bindings_.clear();
        keysInUse_.clear();
        nextSpare_ = 0;
        if (!xkb_ || !xkb_->map)
            return;
        for (int code = xkb_->max_key_code; code >= xkb_->min_key_code && code > 8; --code) {
            const auto keycode = static_cast<KeyCode>(code);
            if (XkbKeyNumGroups(xkb_, keycode) == 0 &&
                (!xkb_->map->modmap || xkb_->map->modmap[keycode] == 0))
                spareKeys_.push_back(keycode);
        }
    }

    void Bind(SpareBinding& binding) {
        if (binding.active)
            return;
        KeySym symbols[2] = {binding.lower,
                             binding.upper != binding.lower ? binding.upper : NoSymbol};
        if (binding.letterKey) {
            int type = XkbAlphabeticIndex;
            binding.active = SendKeySymbols(binding.keycode, 1, &type, symbols, 2, 1);
        } else {
            XChangeKeyboardMapping(display_, binding.keycode, 2, symbols, 1);
            binding.active = true;
        }
    }

    // Gives `keycode` the key types and symbols (width per group) through XKB, which keeps
    // the rest of the key's description as it is, so that its own can be given back exactly.
    bool SendKeySymbols(KeyCode keycode, int groups, int* types, const KeySym* symbols, int width,
                        unsigned char groupInfo) {
        XkbDescPtr map = XkbGetMap(display_, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd);
        if (!map)
            return false;
        XkbMapChangesRec changes{};
        bool sent = false;
        if (XkbChangeTypesOfKey(map, keycode, groups, (1u << groups) - 1, types, &changes) ==
            Success) {
            const int newWidth = XkbKeyGroupsWidth(map, keycode);
            KeySym* target = XkbKeySymsPtr(map, keycode);
            std::fill(target, target + newWidth * groups, NoSymbol);
            for (int group = 0; group < groups; ++group) {
                for (int level = 0; level < std::min(width, newWidth); ++level)
                    target[group * newWidth + level] = symbols[group * width + level];
            }
            map->map->key_sym_map[keycode].group_info = groupInfo;
            changes.changed |= XkbKeySymsMask;
            changes.first_key_sym = keycode;
            changes.num_key_syms = 1;
            sent = XkbChangeMap(display_, map, &changes);
        }
        XkbFreeKeyboard(map, 0, True);
        return sent;
    }

    // The letter key's own description, as read when the sequence began.
    void GiveBackLetterKey(KeyCode keycode) {
        const int groups = XkbKeyNumGroups(xkb_, keycode);
        if (groups <= 0) {
            KeySym none[2] = {NoSymbol, NoSymbol};
            XChangeKeyboardMapping(display_, keycode, 2, none, 1);
            return;
        }
        int types[XkbNumKbdGroups] = {};
        for (int group = 0; group < groups; ++group)
            types[group] = xkb_->map->key_sym_map[keycode].kt_index[group];
        SendKeySymbols(keycode, groups, types, XkbKeySymsPtr(xkb_, keycode),
                       XkbKeyGroupsWidth(xkb_, keycode), XkbKeyGroupInfo(xkb_, keycode));
    }

    // Gives every lent key back its empty map, also when the sequence ended early.
    void RestoreSpareKeys() {
        bool anyActive = false;
        for (const SpareBinding& binding : bindings_)
            anyActive = anyActive || binding.active;
        if (anyActive) {
            if (!WaitForFocusedProgram(kCatchUpLimitMs))
                ProcessEventsFor(kBindingSettleMs);
            X11ErrorGuard guard(display_);
            for (SpareBinding& binding : bindings_) {
                if (!binding.active)
                    continue;
                if (binding.letterKey) {
                    GiveBackLetterKey(binding.keycode);
                } else {
                    KeySym none[2] = {NoSymbol, NoSymbol};
                    XChangeKeyboardMapping(display_, binding.keycode, 2, none, 1);
                }
                binding.active = false;
            }
            XFlush(display_);
        }
        bindings_.clear();
    }

    // Character keys get virtual-key numbers of their own for the length of one sequence:
    // letters, digits and space their usual ones, other characters numbers that no named key
    // uses. Keys that differ only in level ('a', 'A') share one number.
    std::uint8_t RegisterCharacterKey(std::uint8_t character, const KeyPlace& place) {
        for (int key = 0; key < 256; ++key) {
            const auto& known = characterKeys_[key];
            if (known && known->keycode == place.keycode && known->group == place.group)
                return static_cast<std::uint8_t>(key);
        }
        int key = -1;
        if ((character >= 'a' && character <= 'z'))
            key = character - 'a' + 'A';
        else if ((character >= 'A' && character <= 'Z') || (character >= '0' && character <= '9') ||
                 character == ' ')
            key = character;
        if (key < 0 || characterKeys_[key]) {
            static const std::vector<std::uint8_t> pool = [] {
                std::vector<std::uint8_t> keys;
                for (int k = 0x3A; k <= 0x40; ++k)
                    keys.push_back(static_cast<std::uint8_t>(k));
                for (int k = 0x5B; k <= 0x6F; ++k)
                    keys.push_back(static_cast<std::uint8_t>(k));
                for (int k = 0x7C; k <= 0xFE; ++k)
                    keys.push_back(static_cast<std::uint8_t>(k));
                return keys;
            }();
            // A character key is pressed right after its look-up, so reusing the oldest number
            // when all are taken is safe.
            key = pool[nextPoolIndex_ % pool.size()];
            ++nextPoolIndex_;
        }
        characterKeys_[key] = place;
        return static_cast<std::uint8_t>(key);
    }

    std::optional<KeyPlace> PlaceOfVirtualKey(std::uint8_t key) const {
        KeySym keysym = KeysymOfVirtualKey(key);
        if (keysym != NoSymbol) {
            if (!xkb_ || !xkb_->map)
                return std::nullopt;
            auto place = FindInGroup(keysym, activeGroup_);
            if (!place) {
                for (int group = 0; group < XkbNumKbdGroups && !place; ++group)
                    place = FindInGroup(keysym, group);
                // Named keys act the same in every group: never switch groups for them.
                if (place)
                    place->group = activeGroup_;
            }
            return place;
        }
        return characterKeys_[key];
    }

    Display* display_ = nullptr;
    XkbDescPtr xkb_ = nullptr;
    int activeGroup_ = 0;
    int lockedGroup_ = 0;
    bool groupSwitched_ = false;
    std::vector<KeyCode> held_;
    std::array<std::optional<KeyPlace>, 256> characterKeys_{};
    std::size_t nextPoolIndex_ = 0;
    std::vector<KeyCode> spareKeys_;
    std::size_t nextSpare_ = 0;
    std::vector<KeyCode> keysInUse_;
    std::vector<SpareBinding> bindings_;
};

} // namespace

KeyCode KeycodeOfUsLetter(Display* display, char letter) {
    XkbDescPtr xkb = XkbGetMap(display, 0, XkbUseCoreKbd);
    if (xkb)
        XkbGetNames(display, XkbKeyNamesMask, xkb);
    KeyCode keycode = KeycodeOfUsLetterIn(xkb, letter);
    if (xkb)
        XkbFreeKeyboard(xkb, 0, True);
    return keycode;
}

std::unique_ptr<KeySink> CreateX11KeySink() {
    Display* display = X11Display();
    if (!display)
        return nullptr;
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor))
        return nullptr;
    int opcode = 0;
    major = XkbMajorVersion;
    minor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &opcode, &event, &error, &major, &minor))
        return nullptr;
    return std::make_unique<X11KeySink>();
}
