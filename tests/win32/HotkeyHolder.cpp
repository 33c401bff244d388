// Another program holding a key combination, for the end-to-end tests under Wine:
//   hotkey_holder    registers Ctrl+Alt+V, prints "held" and keeps it until its
//                    standard input ends

#include <windows.h>

#include <cstdio>

int wmain() {
    if (!RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT | MOD_NOREPEAT, 'V')) {
        std::fprintf(stderr, "cannot register Ctrl+Alt+V: error %lu\n", GetLastError());
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    UnregisterHotKey(nullptr, 1);
    return 0;
}
