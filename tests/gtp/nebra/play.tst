# play, genmove, kgs-genmove_cleanup, time_left and showboard.
boardsize 5
clear_board
1 showboard
#? [\n   A B C D E\n 5 \. \. \. \. \. 5\n 4 \. \. \. \. \. 4\n 3 \. \. \. \. \. 3\n 2 \. \. \. \. \. 2\n 1 \. \. \. \. \. 1\n   A B C D E]
2 play b C3
#? []
3 play white d3
#? []
4 play B c3
#? [\?illegal move]
5 play b F1
#? [\?invalid color or coordinate]
6 play b I1
#? [\?invalid color or coordinate]
7 play b
#? [\?invalid color or coordinate]
8 play c3
#? [\?invalid color or coordinate]
9 play red C2
#? [\?invalid color or coordinate]
10 play w PASS
#? []
11 play b pass
#? []
12 play b D 4
#? []
13 showboard
#? [\n   A B C D E\n 5 \. \. \. \. \. 5\n 4 \. \. \. X \. 4\n 3 \. \. X O \. 3\n 2 \. \. \. \. \. 2\n 1 \. \. \. \. \. 1\n   A B C D E]
# A ko: black takes at C4, white may not retake at once, but may after an exchange.
clear_board
play b B5
play b A4
play b B3
play w C5
play w B4
play w D4
play w C3
14 play b C4
#? []
15 play w B4
#? [\?illegal move]
16 play w E1
#? []
17 play b E2
#? []
18 play w B4
#? []
19 showboard
#? [\n   A B C D E\n 5 \. X O \. \. 5\n 4 X O \. O \. 4\n 3 \. X O \. \. 3\n 2 \. \. \. \. X 2\n 1 \. \. \. \. O 1\n   A B C D E]
# A single stone with no liberty is refused; the suicide of several is played.
clear_board
play w A2
play w B1
20 play b A1
#? [\?illegal move]
clear_board
play b A1
play b A2
play w B1
play w B2
play w A4
play w B3
21 play b A3
#? []
22 showboard
#? [\n   A B C D E\n 5 \. \. \. \. \. 5\n 4 O \. \. \. \. 4\n 3 \. O \. \. \. 3\n 2 \. O \. \. \. 2\n 1 \. O \. \. \. 1\n   A B C D E]
# Genmove plays the vertex it answers.
boardsize 9
clear_board
23 genmove b
#? [[A-HJ][1-9]]
24 genmove W
#? [[A-HJ][1-9]]
25 kgs-genmove_cleanup black
#? [[A-HJ][1-9]|PASS]
26 genmove
#? [\?invalid color]
27 genmove pass
#? [\?invalid color]
28 kgs-genmove_cleanup
#? [\?invalid color]
29 showboard
#? [\n   A B C D E F G H J(\n [1-9]( [.XO]){9} [1-9]){9}\n   A B C D E F G H J]
# Two passes end the game; a later move resumes it and is played.
clear_board
play b pass
play w pass
31 play b E5
#? []
32 showboard
#? [[\s\S]*\n 5 \. \. \. \. X \. \. \. \. 5[\s\S]*]
# time_left takes a colour and seconds; the colour alone reads as no time.
33 time_left b 45 0
#? []
34 time_left white 600 25
#? []
35 time_left b
#? []
36 time_left
#? [\?Could not interpret the time left command\.]
37 time_left b 99999999999999 3
#? []
