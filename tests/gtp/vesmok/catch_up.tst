# Catch-up moves after a pass under Chinese rules (the default): chains in
# atari, and a capture the ko forbids. A chain of the side to move that is in
# atari counts as lost in the position's dead marks, so the catch-up step
# leaves it; the area fill still plays its last liberty when that point is
# neutral ground next to the chain: the first such point in scan order
# (letters A to J, then numbers 1 to 9). The search itself reads the escape
# of such a chain and may save it first.
1 boardsize 9
#? []
# White's three stones B5 C5 D5 have one liberty, E5. After black's pass the
# point white's search finds lies in white's own area and gives way to a pass;
# the fill then takes E5, which saves the chain.
#     A B C D E F G H J
#   9 . X . X O . O . O
#   8 X X X X O O O O O
#   7 . X . X O . O . O
#   6 X X X X O O O O O
#   5 X O O O . . O . O
#   4 X X X X O O O O O
#   3 . X . X O . O . O
#   2 X X X X O O O O O
#   1 . X . X O . O . O
10 play b B9
#? []
11 play b D9
#? []
12 play b A8
#? []
13 play b B8
#? []
14 play b C8
#? []
15 play b D8
#? []
16 play b B7
#? []
17 play b D7
#? []
18 play b A6
#? []
19 play b B6
#? []
20 play b C6
#? []
21 play b D6
#? []
22 play b A5
#? []
23 play b A4
#? []
24 play b B4
#? []
25 play b C4
#? []
26 play b D4
#? []
27 play b B3
#? []
28 play b D3
#? []
29 play b A2
#? []
30 play b B2
#? []
31 play b C2
#? []
32 play b D2
#? []
33 play b B1
#? []
34 play b D1
#? []
35 play w E9
#? []
36 play w G9
#? []
37 play w J9
#? []
38 play w E8
#? []
39 play w F8
#? []
40 play w G8
#? []
41 play w H8
#? []
42 play w J8
#? []
43 play w E7
#? []
44 play w G7
#? []
45 play w J7
#? []
46 play w E6
#? []
47 play w F6
#? []
48 play w G6
#? []
49 play w H6
#? []
50 play w J6
#? []
51 play w B5
#? []
52 play w C5
#? []
53 play w D5
#? []
54 play w G5
#? []
55 play w J5
#? []
56 play w E4
#? []
57 play w F4
#? []
58 play w G4
#? []
59 play w H4
#? []
60 play w J4
#? []
61 play w E3
#? []
62 play w G3
#? []
63 play w J3
#? []
64 play w E2
#? []
65 play w F2
#? []
66 play w G2
#? []
67 play w H2
#? []
68 play w J2
#? []
69 play w E1
#? []
70 play w G1
#? []
71 play w J1
#? []
72 play b pass
#? []
100 genmove w
#? [E5]
101 clear_board
#? []
# Two white chains in atari: five stones A3-E3 (liberty F3) and three stones
# C7-E7 (liberty F7). F3 comes first in scan order: the five stones are saved.
#     A B C D E F G H J
#   9 . X . X X O . O .
#   8 X X X X X O O O O
#   7 X X O O O . O . O
#   6 X X X X X O O O O
#   5 . X . X X O . O .
#   4 X X X X X O O O O
#   3 O O O O O . O . O
#   2 X X X X X O O O O
#   1 . X . X X O . O .
300 play b B9
#? []
301 play b D9
#? []
302 play b E9
#? []
303 play b A8
#? []
304 play b B8
#? []
305 play b C8
#? []
306 play b D8
#? []
307 play b E8
#? []
308 play b A7
#? []
309 play b B7
#? []
310 play b A6
#? []
311 play b B6
#? []
312 play b C6
#? []
313 play b D6
#? []
314 play b E6
#? []
315 play b B5
#? []
316 play b D5
#? []
317 play b E5
#? []
318 play b A4
#? []
319 play b B4
#? []
320 play b C4
#? []
321 play b D4
#? []
322 play b E4
#? []
323 play b A2
#? []
324 play b B2
#? []
325 play b C2
#? []
326 play b D2
#? []
327 play b E2
#? []
328 play b B1
#? []
329 play b D1
#? []
330 play b E1
#? []
331 play w F9
#? []
332 play w H9
#? []
333 play w F8
#? []
334 play w G8
#? []
335 play w H8
#? []
336 play w J8
#? []
337 play w C7
#? []
338 play w D7
#? []
339 play w E7
#? []
340 play w G7
#? []
341 play w J7
#? []
342 play w F6
#? []
343 play w G6
#? []
344 play w H6
#? []
345 play w J6
#? []
346 play w F5
#? []
347 play w H5
#? []
348 play w F4
#? []
349 play w G4
#? []
350 play w H4
#? []
351 play w J4
#? []
352 play w A3
#? []
353 play w B3
#? []
354 play w C3
#? []
355 play w D3
#? []
356 play w E3
#? []
357 play w G3
#? []
358 play w J3
#? []
359 play w F2
#? []
360 play w G2
#? []
361 play w H2
#? []
362 play w J2
#? []
363 play w F1
#? []
364 play w H1
#? []
365 play b pass
#? []
400 genmove w
#? [F3]
401 clear_board
#? []
# The same chains the other way round: three stones C3-E3 (liberty F3), five
# stones A7-E7 (liberty F7). Both escapes are read as ladders among the
# search's candidates, and white saves the five stones rather than the
# three that come first in scan order.
#     A B C D E F G H J
#   9 . X . X X O . O .
#   8 X X X X X O O O O
#   7 O O O O O . O . O
#   6 X X X X X O O O O
#   5 . X . X X O . O .
#   4 X X X X X O O O O
#   3 X X O O O . O . O
#   2 X X X X X O O O O
#   1 . X . X X O . O .
600 play b B9
#? []
601 play b D9
#? []
602 play b E9
#? []
603 play b A8
#? []
604 play b B8
#? []
605 play b C8
#? []
606 play b D8
#? []
607 play b E8
#? []
608 play b A6
#? []
609 play b B6
#? []
610 play b C6
#? []
611 play b D6
#? []
612 play b E6
#? []
613 play b B5
#? []
614 play b D5
#? []
615 play b E5
#? []
616 play b A4
#? []
617 play b B4
#? []
618 play b C4
#? []
619 play b D4
#? []
620 play b E4
#? []
621 play b A3
#? []
622 play b B3
#? []
623 play b A2
#? []
624 play b B2
#? []
625 play b C2
#? []
626 play b D2
#? []
627 play b E2
#? []
628 play b B1
#? []
629 play b D1
#? []
630 play b E1
#? []
631 play w F9
#? []
632 play w H9
#? []
633 play w F8
#? []
634 play w G8
#? []
635 play w H8
#? []
636 play w J8
#? []
637 play w A7
#? []
638 play w B7
#? []
639 play w C7
#? []
640 play w D7
#? []
641 play w E7
#? []
642 play w G7
#? []
643 play w J7
#? []
644 play w F6
#? []
645 play w G6
#? []
646 play w H6
#? []
647 play w J6
#? []
648 play w F5
#? []
649 play w H5
#? []
650 play w F4
#? []
651 play w G4
#? []
652 play w H4
#? []
653 play w J4
#? []
654 play w C3
#? []
655 play w D3
#? []
656 play w E3
#? []
657 play w G3
#? []
658 play w J3
#? []
659 play w F2
#? []
660 play w G2
#? []
661 play w H2
#? []
662 play w J2
#? []
663 play w F1
#? []
664 play w H1
#? []
665 play b pass
#? []
700 genmove w
#? [F7]
701 clear_board
#? []
# Black takes the ko at E5 (the white stone D5 is captured). The black stone
# is in atari, but its last liberty D5 is the ko point: white may not take it
# back, and with nothing else left white passes. Black then connects at D5.
#     A B C D E F G H J
#   9 . X . X O . O . O
#   8 X X X X O O O O O
#   7 . X . X O . O . O
#   6 X X X X O O O O O
#   5 . X X O . O O . O
#   4 X X X X O O O O O
#   3 . X . X O . O . O
#   2 X X X X O O O O O
#   1 . X . X O . O . O
900 play b B9
#? []
901 play b D9
#? []
902 play b A8
#? []
903 play b B8
#? []
904 play b C8
#? []
905 play b D8
#? []
906 play b B7
#? []
907 play b D7
#? []
908 play b A6
#? []
909 play b B6
#? []
910 play b C6
#? []
911 play b D6
#? []
912 play b B5
#? []
913 play b C5
#? []
914 play b A4
#? []
915 play b B4
#? []
916 play b C4
#? []
917 play b D4
#? []
918 play b B3
#? []
919 play b D3
#? []
920 play b A2
#? []
921 play b B2
#? []
922 play b C2
#? []
923 play b D2
#? []
924 play b B1
#? []
925 play b D1
#? []
926 play w E9
#? []
927 play w G9
#? []
928 play w J9
#? []
929 play w E8
#? []
930 play w F8
#? []
931 play w G8
#? []
932 play w H8
#? []
933 play w J8
#? []
934 play w E7
#? []
935 play w G7
#? []
936 play w J7
#? []
937 play w E6
#? []
938 play w F6
#? []
939 play w G6
#? []
940 play w H6
#? []
941 play w J6
#? []
942 play w D5
#? []
943 play w F5
#? []
944 play w G5
#? []
945 play w J5
#? []
946 play w E4
#? []
947 play w F4
#? []
948 play w G4
#? []
949 play w H4
#? []
950 play w J4
#? []
951 play w E3
#? []
952 play w G3
#? []
953 play w J3
#? []
954 play w E2
#? []
955 play w F2
#? []
956 play w G2
#? []
957 play w H2
#? []
958 play w J2
#? []
959 play w E1
#? []
960 play w G1
#? []
961 play w J1
#? []
962 play b E5
#? []
1000 genmove w
#? [PASS]
1001 play w pass
#? []
1002 genmove b
#? [D5]
