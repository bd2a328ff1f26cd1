#pragma once
// What all trees of the process share is set up once, by the first tree's
// constructor, and lives until the program ends.
namespace vtree {

void InitTreeGlobals();
bool TreeGlobalsInitialized();

} // namespace vtree
