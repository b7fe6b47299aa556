# Scoring: final_score formats and final_status_list on a settled 7 x 7 board,
# where no move is left to either side, so the scoring playouts are fixed.
boardsize 7
clear_board
play b B7
play b D7
play b A6
play b B6
play b C6
play b D6
play b A5
play b B5
play b C5
play b D5
play b A4
play b B4
play b C4
play b D4
play b A3
play b B3
play b C3
play b D3
play b A2
play b B2
play b C2
play b D2
play b A1
play b B1
play b C1
play b D1
play w E7
play w G7
play w E6
play w F6
play w G6
play w E5
play w G5
play w E4
play w F4
play w G4
play w E3
play w G3
play w E2
play w F2
play w G2
play w E1
play w G1
# No komi given: the adapter starts from -3.14; black owns 28 points, white 21.
1 final_score
#? [B\+10\.1]
2 final_status_list alive
#? [B7 D7 A6 B6 C6 D6 A5 B5 C5 D5 A4 B4 C4 D4 A3 B3 C3 D3 A2 B2 C2 D2 A1 B1 C1 D1\nE7 G7 E6 F6 G6 E5 G5 E4 F4 G4 E3 G3 E2 F2 G2 E1 G1]
3 final_status_list dead
#? []
4 final_status_list seki
#? []
5 final_status_list
#? [\?missing status]
6 final_status_list living
#? [\?invalid status]
7 final_status_list ALIVE
#? [\?invalid status]
komi 7.5
8 final_score
#? [W\+0\.5]
komi 7
9 final_score
#? [0]
komi 100
10 final_score
#? [W\+93\.0]
# clear_board leaves the adapter komi alone: an empty board is scored from 100.
clear_board
11 final_score
#? [W\+\d+\.\d|B\+\d+\.\d|0]
komi -0.5
12 final_status_list alive
#? [([A-G][1-7]( |\n)?)*]
# After two passes the genmove of either side still answers a vertex or PASS.
play b pass
play w pass
13 genmove b
#? [[A-HJ][1-7]|PASS]
