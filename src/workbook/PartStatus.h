#pragma once

// How reading a part of a zip package went.
enum class PartStatus
{
    Read,
    Missing,  // the package has no part of that name
    Damaged,  // it cannot be unpacked, or it unpacks to other bytes than were packed
    TooLarge, // it unpacks to more than it may take
    Unsafe,   // its XML declares a document type, which could define entities that expand
};
