#pragma once
// How the C library's allocator treats memory the program frees. Every
// frame the OpenGL driver takes several megabytes for its draw calls and
// gives them back; left at its defaults the allocator returns that memory
// to the system at the end of the frame and takes it again in the next one,
// and the system clears each page anew: most of a busy frame's time went
// into page faults. Called once, first thing in the program (and by the
// benchmarks that measure frames as the program runs them); main thread.
void applyAllocatorSettings();
