# A komi far beyond any score: the engine still moves and lists statuses.
1 boardsize 9
#? []
2 level 1
#? []
3 komi 99999999999999999999999
#? []
4 play b E5
#? []
5 play w C3
#? []
6 play b G3
#? []
7 play w C6
#? []
8 genmove b
#? [[A-HJ][1-9]|PASS]
9 genmove w
#? [[A-HJ][1-9]|PASS]
10 final_status_list dead
#? [.*]
11 komi -99999999999999999999999
#? []
12 genmove b
#? [[A-HJ][1-9]|PASS]
13 final_status_list alive
#? [.*]
