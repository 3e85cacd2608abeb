// The object factory of the library reader: a new, empty object of the
// kind that a record's type id names.
#pragma once

class fu1;

// Null for the ids that make nothing; for 2, 3 and 4 (a stray comment,
// variable store or summation record at object level) a style-2 message
// is shown.  The caller tests failed and owns the object.
fu1* makeobject(int type);
