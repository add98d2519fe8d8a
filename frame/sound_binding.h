// The binding of the outside sound library "GaugeSound": one handle and three
// entry points, shared by all instances of the gauge.
#pragma once

void bind_sound_library();     // initialize: load unless a handle is held, then resolve
void rebind_sound_library();   // update: look the library up, load it if it is not loaded, then resolve
void release_sound_library();  // kill: rebind, call TerminateSounds if resolved, release the load we hold
