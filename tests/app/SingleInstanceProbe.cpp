// Takes the launcher's guard and reports: prints "running" and waits to be
// killed, or prints "already" and exits 0 at once.

#include "app/SingleInstance.h"

#include <cstdio>
#include <unistd.h>

int main()
{
    tavrin::SingleInstance guard(QStringLiteral("Tavrinkvop"));
    if (guard.AlreadyRunning()) {
        std::puts("already");
        return 0;
    }
    std::puts("running");
    std::fflush(stdout);
    for (;;)
        pause();
}
