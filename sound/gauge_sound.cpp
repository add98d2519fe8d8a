// The bench's stand-in for the outside sound library "GaugeSound". It makes no
// sound: it only answers the entry points the gauges resolve.
#define SOUND_EXPORT extern "C" __attribute__((visibility("default")))

SOUND_EXPORT int GaugePlaySound(const char*, const char*, int) {
  return 0;
}
SOUND_EXPORT int GaugeStopSound(const char*) {
  return 0;
}
