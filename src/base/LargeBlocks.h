#pragma once

// Has every block of 128 KiB or more come from the system on its own and go back to it when
// freed, as the C library does until it sees such a block freed. From then on it raises that
// limit to the largest block freed so far, up to 32 MiB, and the columns, plans and indexes of
// a large table come from the heap, where each one freed leaves a hole that later, smaller
// blocks only partly fill: a run over a million files peaked some 35 MB higher so. Called
// before anything is allocated in earnest.
void keepLargeBlocksApart();
