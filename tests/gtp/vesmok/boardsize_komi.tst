# boardsize on the default sizes, komi words.
1 boardsize 9
#? []
2 play b J9
#? []
3 play b T19
#? [\?illegal move]
4 play b J10
#? [\?illegal move]
5 boardsize 13
#? []
6 play b J9
#? []
7 play b N13
#? []
8 play b O13
#? [\?illegal move]
9 boardsize 19
#? []
10 play b T19
#? []
11 boardsize 11
#? [\?unacceptable size]
12 boardsize 15
#? [\?unacceptable size]
13 boardsize 17
#? [\?unacceptable size]
14 boardsize 10
#? [\?unacceptable size]
15 boardsize 0
#? [\?unacceptable size]
16 boardsize 25
#? [\?unacceptable size]
17 boardsize 4294967305
#? [\?unacceptable size]
18 boardsize 99999999999999999999999999
#? [\?unacceptable size]
19 boardsize -9
#? [\?syntax error]
20 boardsize nine
#? [\?syntax error]
21 boardsize
#? [\?syntax error]
# A refused size leaves the game alone: T19 is still occupied.
22 play w T19
#? [\?illegal move]
# boardsize clears the board.
23 boardsize 19
#? []
24 play w T19
#? []
30 komi 6.5
#? []
31 komi 6,5
#? []
32 komi 0
#? []
33 komi -5.5
#? []
34 komi +7
#? []
35 komi .5
#? []
36 komi 7.
#? []
37 komi .
#? [\?syntax error]
38 komi 1.2.3
#? [\?syntax error]
39 komi 6..5
#? [\?syntax error]
40 komi
#? [\?syntax error]
41 komi x
#? [\?syntax error]
42 komi 1e3
#? [\?syntax error]
43 komi --5
#? [\?syntax error]
44 komi -
#? [\?syntax error]
45 komi 99999999999999999999999999999999
#? []
