// The program's fixed limits, in one place.
#pragma once

namespace limits {
constexpr int valuestacksize = 22222;   // doubles on the shared value stack
constexpr int compilestacksize = 1050;  // compile stack entries
constexpr int codebuffersize = 1050;    // token and operand cells of one compilation
constexpr int maxcalllevel = 100;       // nested calls of user functions
constexpr int maximplementdepth = 100;  // nested implementations in one pass
constexpr int textbuffersize = 3000;    // shared formatting buffer (2999 chars + 0)
constexpr int variablecount = 52;       // 'A'..'Z', 'a'..'z'
constexpr int namelength = 30;          // user object names
constexpr int functionnamelength = 11;  // predefined function names
constexpr int formulalength = 1040;     // longest formula the editors accept
constexpr int commentlength = 1520;     // longest comment the editors accept
constexpr int calculatorcount = 240;    // calculators in the revolver
constexpr int screencolumns = 80;
constexpr int screenrows = 30;
constexpr int arglistlength = 53;      // argument letters of one formula
constexpr int formulamargin = 200;      // spare room of the compiler's formula copy
constexpr int exponentdigits = 3;       // digits of a number's exponent
constexpr int nfvnesting = 1000;        // nested "##" calls that a value count looks into
constexpr double polygammasteps = 100000;      // upward steps of the psi recurrence
constexpr double distributionmax = 9007199254740992.0;  // 2^53: Binomial, Hgeo, whole numbers
constexpr int maxdegree = 32767;               // Chebyshev and Legendre polynomials
constexpr int tangentcount = 191;              // cached zigzag numbers E_0..E_190
constexpr int zetaaverages = 80;               // averaging table of the zeta sum
constexpr int jacobisweeps = 50;               // rotations per n*n before the eigen solver gives up
constexpr int cursorstackdepth = 27;    // saved cursor and colour states
constexpr int dirtystackdepth = 300;    // cells waiting for their pixels to be saved
constexpr int pixelslotsperpage = 500;  // cell slots in one pixel-store page
constexpr int pixelpagesmax = 500;      // pages of the pixel store
constexpr int joinbuffersize = 161;     // shared buffer of strjoin
constexpr long computestackbytes = 8L << 20;  // computing thread's stack (>= 8 MiB)
constexpr int readywaitms = 8000;           // start-up handshake of the computing thread
constexpr int cleanupwaitms = 1000;         // wait for its end before reporting it
constexpr int newstrfbuffer = 556;      // scratch buffer of newstrf
constexpr int linemaxlength = 32766;    // longest line of a line list
constexpr int linegrowstep = 50;        // entries a line list grows by
constexpr int linelistmax = 32767;      // highest index of a line list (16-bit)
constexpr int segmentmax = 160;         // longest line made by a split append
constexpr int legendlength = 478;      // legend text of a framed box
constexpr int listscrolldelay = 10;     // ms between lines of the first page scrolled
constexpr int pathlength = 260;         // path buffers of the file-name dialogues
constexpr int newnamelength = 12;       // characters typed as a new file name
constexpr int shortnamelength = 8;      // characters of a name before its extension
constexpr int derivativevalues = 55;    // values of an object that the vector derivatives take
constexpr int arglisttextlength = 108;  // typed argument list of a name input
constexpr int extensionlength = 9;      // typed "#" extension of a name input
constexpr int installformulalength = 1034;  // formula typed when installing
constexpr int greptextlength = 160;     // text of a database grep
constexpr int typedcalllength = 35;     // function name typed for the call finder
constexpr int anyarguments = 254;       // a call finder's argument count that matches any
constexpr int librarylinelength = 1520; // longest library line the database reads whole
constexpr int aspectsteps = 40;         // power-of-ten steps of the mouse frame's aspect search
}
