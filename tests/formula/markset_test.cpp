#include <gtest/gtest.h>

#include "formula/markset.h"
#include "formula/namesused.h"
#include "formula/slist.h"
#include "formula/varman.h"

TEST(markset, DeclarationsAndConflicts)
{
    markset marks;
    EXPECT_EQ(marks.classof('x'), classundeclared);
    EXPECT_LT(marks.classof('1'), 0);
    EXPECT_EQ(marks.declare('x', classstatic), classstatic);
    EXPECT_EQ(marks.declare('x', classauto), classstatic) << "conflict: the earlier class";
    EXPECT_EQ(marks.declare('x', classstatic), classstatic) << "the same again is accepted";
    EXPECT_EQ(marks.declare('y', '-'), 0);
    EXPECT_EQ(marks.declare('y', 'q'), 0);
    EXPECT_EQ(marks.declare('y', 0), 0);
    EXPECT_EQ(marks.declare('%', classauto), 0);
    EXPECT_EQ(marks.classof('y'), classundeclared);

    marks.declare('t', classauto);
    marks.declare('B', classauto);
    EXPECT_EQ(marks.autoindex('t'), 0);
    EXPECT_EQ(marks.autoindex('B'), 1);
    EXPECT_EQ(marks.autoindex('x'), -1);
    EXPECT_EQ(marks.autoindex(0), -1);
    EXPECT_EQ(marks.countclass(classauto), 2);

    marks.markassigned('y');
    marks.markassigned('t');
    marks.markreferenced('B');
    EXPECT_EQ(marks.varcontrol('y'), 0) << "undeclared letters take no marks";
    EXPECT_EQ(marks.varcontrol('t'), 1);
    EXPECT_EQ(marks.referenced[1], 1) << "'B' is index 1";

    marks.reset();
    EXPECT_EQ(marks.countclass(classundeclared), 52);
    EXPECT_EQ(marks.autoindex('t'), -1);
    EXPECT_EQ(marks.varcontrol('t'), 0);
}

TEST(markset, Arguments)
{
    markset marks;
    marks.declare('a', classstatic);
    EXPECT_EQ(marks.conflictingarguments("xay"), 1);
    marks.declarearguments("xy", true, 't');
    EXPECT_EQ(marks.argindex('t'), 0);
    EXPECT_EQ(marks.argindex('x'), 1);
    EXPECT_EQ(marks.argindex('y'), 2);
    EXPECT_EQ(marks.conflictingarguments("xay"), 1) << "'x' letters do not conflict";
    marks.cleararguments();
    EXPECT_EQ(marks.argindex('x'), -1);
    EXPECT_EQ(marks.classof('x'), classundeclared);
    EXPECT_EQ(marks.classof('a'), classstatic);
}

TEST(markset, WarningQueriesInIndexOrder)
{
    struct row { char letter; char cls; bool assigned, referenced; };
    const row rows[] = {
        {'x', classargument, false, false},
        {'b', classargument, false, true},
        {'q', classglobal, false, false},
        {'C', classconst, true, false},
        {'k', classauto, true, false},
        {'S', classstatic, false, true},
        {'r', classstatic, false, true},
    };
    markset marks;
    for (const row& r : rows) {
        marks.declare(r.letter, r.cls);
        if (r.assigned)
            marks.markassigned(r.letter);
        if (r.referenced)
            marks.markreferenced(r.letter);
    }
    EXPECT_EQ(marks.unreferencedargument(), 'x');
    EXPECT_EQ(marks.unusedvariable(), 'q');
    EXPECT_EQ(marks.unreadvariable(), 'C') << "upper case comes first";
    EXPECT_EQ(marks.unassignedstatic(), 'S');
    markset clean;
    EXPECT_EQ(clean.unusedvariable(), 0);
}

TEST(markset, MergeTakesFlagsOfDeclaredLetters)
{
    markset a, b;
    b.declare('u', classauto);
    b.declare('v', classstatic);
    b.markassigned('u');
    b.markreferenced('v');
    a.declare('u', classauto);
    a.merge(b, false);
    EXPECT_EQ(a.varcontrol('u'), 1);
    EXPECT_EQ(a.classof('v'), classundeclared);
    a.merge(b, true);
    EXPECT_EQ(a.classof('v'), classstatic);
    EXPECT_EQ(a.referenced[26 + 'v' - 'a'], 1);
}

TEST(markset, CopiesShareTheSourcesComponentList)
{
    int component;
    markset source;
    source.declare('s', classstatic);
    {
        markset copy(source);
        EXPECT_EQ(copy.classof('s'), classstatic);
        EXPECT_FALSE(copy.owns);
        copy.components->append(&component);
    }
    EXPECT_EQ(source.components->firstpayload(), &component) << "list survives the copy";
    {
        markset assigned;
        assigned = source;
        assigned.components->append(&component);
        EXPECT_EQ(assigned.components, source.components);
    }
    EXPECT_EQ(source.components->count, 2);
    source = source;
    EXPECT_TRUE(source.owns);
    markset copy(source);
    source = copy;
    EXPECT_TRUE(source.owns) << "assigned from its own copy: keeps its list";
}

TEST(markset, ClassNamesAndLetters)
{
    EXPECT_STREQ(markset::classname('a'), "auto");
    EXPECT_STREQ(markset::classname('s'), "static");
    EXPECT_STREQ(markset::classname('c'), "const");
    EXPECT_STREQ(markset::classname('g'), "global");
    EXPECT_STREQ(markset::classname('x'), "Argument");
    EXPECT_STREQ(markset::classname('-'), "undeclared");
    EXPECT_STREQ(markset::classname(0), "UNDEFINIERT");
    EXPECT_STREQ(markset::classname('?'), "invalid");
}

TEST(namesused, CountsDistinctFlags)
{
    namesused names;
    names.flag(2);
    names.flag(2);
    names.flag(53);
    names.flag(54);
    names.flag(-1);
    EXPECT_EQ(names.count, 2);
    EXPECT_TRUE(names.isset(53));
    EXPECT_FALSE(names.isset(54));
    names.clear();
    EXPECT_EQ(names.count, 0);
    EXPECT_FALSE(names.isset(2));
}
