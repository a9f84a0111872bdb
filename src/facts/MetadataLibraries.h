#pragma once

// Sets Exiv2 and TagLib up once for the whole program before their first use: their own
// console output goes nowhere, Exiv2's XMP parser is made safe for several threads, HEIF and
// CR3 photos are read, and Latin-1 tag texts go through legacyTagText. Safe to call from any
// thread, any number of times.
void prepareMetadataLibraries();
