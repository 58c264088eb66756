#pragma once

namespace tamb {

struct Model;
class Interaction;

// Click in column s.
void WrittenRule(Model &m, Interaction &ui, int count, int row);
// Click in column m.
void OralRule(Model &m, Interaction &ui, int count, int row);

} // namespace tamb
