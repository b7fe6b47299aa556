# The transcript runner itself: ids, expectations, negation, known failures.
1 name
#? [fake]
007 echo hello world
#? [hello world]
   # a comment line gets no reply

3 echo abc
#? [!x.*]
4 fail no such thing
#? [\?no such thing]
5 echo plain
#? [other]*
name
10 echo a
#? [a|b]
11 quit
#? []
12 echo never answered
