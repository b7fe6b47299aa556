# A komi far beyond any score: the engine still moves and lists statuses.
1 boardsize 9
#? []
2 komi 99999999999999999999999
#? []
3 play b E5
#? []
4 play w C3
#? []
5 play b G3
#? []
6 play w C6
#? []
7 genmove b
#? [[A-HJ][1-9]|PASS]
8 genmove w
#? [[A-HJ][1-9]|PASS]
9 final_status_list dead
#? [.*]
10 komi -99999999999999999999999
#? []
11 genmove b
#? [[A-HJ][1-9]|PASS]
12 kgs-genmove_cleanup w
#? [[A-HJ][1-9]|PASS]
13 final_status_list alive
#? [.*]
