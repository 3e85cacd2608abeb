#include "formula/tokens.h"

#include "formula/functable.h"

const tokenrow tokentable[tokencount] = {
    {"END",               2},  // 0
    {"ABORT",             0},  // 1
    {"FEED ARG Nr.",      0},  // 2
    {"FEED RCL",          0},  // 3
    {"FEED ANSWER",       0},  // 4
    {"; ",                2},  // 5
    {"PLUS",              2},  // 6
    {"MINUS",             2},  // 7
    {"TIMES",             2},  // 8
    {"DIVIDE",            2},  // 9
    {"POWER",             2},  // 10
    {"CHANGE SIGN",       1},  // 11
    {"NCR",               2},  // 12
    {"ATAN2",             2},  // 13
    {"BESSEL J0",         1},  // 14
    {"BESSEL J1",         1},  // 15
    {"BESSEL JN",         2},  // 16
    {"BESSEL Y0",         1},  // 17
    {"BESSEL Y1",         1},  // 18
    {"BESSEL YN",         2},  // 19
    {" \\ ",              2},  // 20
    {"ARCCOS",            1},  // 21
    {"ARCSIN",            1},  // 22
    {"ARCTAN",            1},  // 23
    {"HYP COS",           1},  // 24
    {"COS",               1},  // 25
    {"EXP",               1},  // 26
    {"LOG",               1},  // 27
    {"LN",                1},  // 28
    {"ROUND",             1},  // 29
    {"10^X",              1},  // 30
    {"HYP SIN",           1},  // 31
    {"SIN",               1},  // 32
    {"SQUARE ROOT",       1},  // 33
    {"ZETA",              1},  // 34
    {"HYP TAN",           1},  // 35
    {"TAN",               1},  // 36
    {"GAMMA",             1},  // 37
    {"ZETA-1",            1},  // 38
    {"STO",               1},  // 39
    {"TRUNCATE",          1},  // 40
    {"FACTORIAL",         1},  // 41
    {"HYP ARCCOS",        1},  // 42
    {"HYP ARCSIN",        1},  // 43
    {"HYP ARCTAN",        1},  // 44
    {"LN(1+X)",           1},  // 45
    {"EXP(X)-1",          1},  // 46
    {"1/GAMMA",           1},  // 47
    {"GAMMA'",            1},  // 48
    {"GAMMA''",           1},  // 49
    {"GAMMA'''",          1},  // 50
    {"(1/GAMMA)'",        1},  // 51
    {"(1/GAMMA)''",       1},  // 52
    {"(1/GAMMA)'''",      1},  // 53
    {"HARMONIC SUM",      1},  // 54
    {"ERROR INTEGRAL",    1},  // 55
    {"PSI",               1},  // 56
    {"PSI'",              1},  // 57
    {"PSI''",             1},  // 58
    {"PSI'''",            1},  // 59
    {"LN(GAMMA)",         1},  // 60
    {"LN(FACTORIAL)",     1},  // 61
    {"ABSOLUTE VALUE",    1},  // 62
    {"ROUND DOWN",        1},  // 63
    {"ROUND UP",          1},  // 64
    {"DECIMAL PART",      1},  // 65
    {"CUBIC ROOT",        1},  // 66
    {"SIGN",              1},  // 67
    {"RANDOM NUMBER",     1},  // 68
    {"END",               2},  // 69
    {"END",               2},  // 70
    {"FEED ARG 1",        0},  // 71
    {"FEED ARG 2",        0},  // 72
    {"FEED ARG 3",        0},  // 73
    {"FEED ARG 4",        0},  // 74
    {"FEED ARG 5",        0},  // 75
    {"FEED D0",           0},  // 76
    {"FEED D1",           0},  // 77
    {"FEED D2",           0},  // 78
    {"FEED D3",           0},  // 79
    {"FEED ARRAY 1",      0},  // 80
    {"FEED ARRAY 2",      0},  // 81
    {"FEED #GLOBAL",      0},  // 82
    {"FEED CONSTANT",     0},  // 83
    {"FEED AUTO",         0},  // 84
    {"FEED ASSUME NR.",   0},  // 85
    {"FEED ASSUMEVALS",  -2},  // 86
    {"ASSUME",           -2},  // 87
    {"MAKE AUTOSPACE",    1},  // 88
    {"ASSIGN #STATIC",    1},  // 89
    {"ASSIGN TO AUTO",    1},  // 90
    {"CALL USER FUNC",    1},  // 91
    {"CALL MULTIFUNC",   -2},  // 92
    {"",                  3},  // 93
    {"LOGIC AND",        -1},  // 94
    {"LOGIC OR",         -1},  // 95
    {"CHEBY-POL.",        2},  // 96
    {"ELLIPTIC F",        2},  // 97
    {"ELLIPTIC K",        1},  // 98
    {"AR/GEO MEAN",       2},  // 99
    {"POLYNOMIAL",       -1},  // 100
    {"CHEBY-SERIES",     -1},  // 101
    {"MINIMUM",          -1},  // 102
    {"MAXIMUM",          -1},  // 103
    {"GGT",              -1},  // 104
    {"KGV",              -1},  // 105
    {"REMAINDER",         2},  // 106
    {"CUMUL. BINOMIAL",   4},  // 107
    {"CUMUL. HGEO",       5},  // 108
    {"PERIODE",           2},  // 109
    {"STACKPTR UP",       1},  // 110
    {"STACKPTR DOWN",     1},  // 111
    {"POWER SERIES",     -1},  // 112
    {"ASSIGN #GLOBAL",    1},  // 113
    {"LEGENDRE-P.",       2},  // 114
    {"SORT",             -2},  // 115
    {"SOLVE",            -2},  // 116
    {"INVERT",           -2},  // 117
    {"NTH OF LIST",      -1},  // 118
    {"VECTOR + VECTOR",  -2},  // 119
    {"SCALAR * VECTOR",  -2},  // 120
    {"INNERPROD",        -1},  // 121
    {"NORM2",            -1},  // 122
    {"DISTANCE",         -1},  // 123
    {"VECTOR - VECTOR",  -2},  // 124
    {"SQUARE",            1},  // 125
    {"",                  1},  // 126
    {"BOOL",              1},  // 127
    {"EQUAL ?",           2},  // 128
    {"NOT EQUAL ?",       2},  // 129
    {"LESS THAN ?",       2},  // 130
    {"LESS EQUAL ?",      2},  // 131
    {"GREATER THAN ?",    2},  // 132
    {"GREATER EQUAL ?",   2},  // 133
    {"NOT",               1},  // 134
    {"EXCLUSIVE OR",      2},  // 135
    {"BETWEEN ?",         3},  // 136
    {"X-BETWEEN ?",       3},  // 137
    {"LX-BETWEEN ?",      3},  // 138
    {"RX-BETWEEN ?",      3},  // 139
    {"TAN-DERIVATIVE",    1},  // 140
    {"EULER NUMBER",      1},  // 141
    {"BERNOULLI NR.",     1},  // 142
    {"DETERMINANT",      -1},  // 143
    {"TRANSPOSE",        -2},  // 144
    {"MATRIX PRODUCT",   -2},  // 145
    {"MA TIMES VECT",    -2},  // 146
    {"REVERSE",          -2},  // 147
    {"NORMIERE",         -2},  // 148
    {"NTH ARGUMENT",      1},  // 149
    {"NTH ASSUMED VAL",   1},  // 150
    {"ASSERT",            1},  // 151
    {"FEED SUBLEVEL",     0},  // 152
    {"FEED STACKUSED",    0},  // 153
    {"FEED STACKLEFT",    0},  // 154
    {"FEED MAXSUBLVL",    0},  // 155
    {"COSINE SERIES",    -1},  // 156
    {"SINE SERIES",      -1},  // 157
    {"TRIGON. SERIES",   -1},  // 158
    {"CMP. POLYNOMIAL",  -2},  // 159
    {"CMP. POWER SER.",  -2},  // 160
    {"COMPLEX SOLVE",    -2},  // 161
    {"COMPLEX MAVECT",   -2},  // 162
    {"COMPLEX MAT INV",  -2},  // 163
    {"COMPLEX DETERM.",  -2},  // 164
    {"COMPLEX MAMA",     -2},  // 165
    {"CMP. TRANSPOSE",   -2},  // 166
    {"CMP. CONJUGATES",  -2},  // 167
    {"CMP. SCAL*VECT",   -2},  // 168
    {"_SQRPART_",         1},  // 169
    {"MATCH",             2},  // 170
    {"ASSIGN TO ARG",     1},  // 171
    {"DOMAINCHECK",       1},  // 172
    {"FEED #STATIC",      0},  // 173
    {"FEED #CONST",       0},  // 174
    {"POWER SUM",        -1},  // 175
    {"SYMMETRIC POL.",   -1},  // 176
    {"LARGE SYM. POL.",  -1},  // 177
    {"NORMED POLYNOM.",  -2},  // 178
    {"EIGENVALUES",      -2},  // 179
    {"EIGENVECTORS",     -2},  // 180
};

const char* tokenname(int code)
{
    return code >= 0 && code < tokencount ? tokentable[code].name : "";
}

bool executable(int code)
{
    using namespace tk;
    if (code < 0 || code >= tokencount)
        return false;
    switch (code) {
    case TENPOWX: case RECGAMMA: case RECGAMMA1: case RECGAMMA2: case RECGAMMA3:
    case END2: case FEED_ARRAY_1: case FEED_ARRAY_2: case UNUSED93: case PERIODE:
    case STACKPTR_UP: case STACKPTR_DOWN: case UNUSED126:
        return false;
    default:
        return true;
    }
}

operandcell cellof(int code)
{
    using namespace tk;
    switch (code) {
    case FEED_CONSTANT:
        return operandcell::constant;
    case FEED_GLOBAL: case FEED_STATIC: case FEED_CONST:
    case ASSIGN_STATIC: case ASSIGN_GLOBAL:
        return operandcell::variable;
    case FEED_ARG_NR: case ASSIGN_TO_ARG: case FEED_AUTO: case ASSIGN_TO_AUTO:
    case FEED_ASSUME_NR: case MAKE_AUTOSPACE:
        return operandcell::index;
    case CALL_USER_FUNC: case CALL_MULTIFUNC:
        return operandcell::call;
    case FEED_ASSUMEVALS:
        return operandcell::assumed;
    }
    // Built-ins that take any number of arguments or yield several values
    // carry their counts in a cell.
    int argc = argcoftoken(code);
    if (argc == anyargs || argc == multivalued)
        return operandcell::function;
    return operandcell::none;
}
