// Deleting a parser without its full declaration (for owners that only
// hold one).
#pragma once

class parser;

void destroyparser(parser* p);   // null is allowed
