/* Preloaded into the game by the window tests: the wall clock stands still at
   VANTELLO_TIME_OF_DAY_MS past midnight, so every spin is seeded the same and a test
   can pick the spin it needs. Other clocks (the tick count, the window system's
   timers) run on as usual. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdlib.h>
#include <time.h>

int clock_gettime(clockid_t clock, struct timespec *ts) {
  const char *ms = getenv("VANTELLO_TIME_OF_DAY_MS");
  if (clock == CLOCK_REALTIME && ms) {
    long long t = atoll(ms);
    ts->tv_sec = 20000 * 86400LL + t / 1000;
    ts->tv_nsec = (t % 1000) * 1000000;
    return 0;
  }
  static int (*real)(clockid_t, struct timespec *);
  if (!real) real = (int (*)(clockid_t, struct timespec *))dlsym(RTLD_NEXT, "clock_gettime");
  return real(clock, ts);
}
