#pragma once
// Memory for large XML trees.
//
// pugixml takes its memory in pages of about 32 KB. An export of a large logbook builds a tree
// of several hundred megabytes (10,000 dives with profiles are over a million waypoints), and
// having the kernel supply that memory 4 KB at a time costs more than building the tree. Once
// installed, pugixml's pages come from blocks of 32 MB that the kernel may back with huge
// pages; a block is given back as soon as the last page in it is freed. Anything else (large
// strings, and memory that pugixml took before the installation) stays with malloc and free,
// so installing at any moment is safe.
#include <cstddef>

namespace kelp {

// Makes pugixml use the blocks from now on (once per process; later calls do nothing).
void useBlockMemoryForXml();

// Bytes currently held in blocks (for the tests).
size_t xmlBlockBytes();

}  // namespace kelp
