# The command table: list_commands, known_command, and every command's reply
# on its plain road.
1 list_commands
#? [black\nboardsize\nclear_board\nfinal_status_list\nfixed_handicap\ngenmove\ngenmove_black\ngenmove_white\nkgs-genmove_cleanup\nknown_command\nkomi\nlevel\nlist_commands\nname\nplace_free_handicap\nplay\nprotocol_version\nquit\nset_free_handicap\ntime_left\ntime_settings\nundo\nversion\nwhite]
2 known_command play
#? [true]
3 known_command kgs-genmove_cleanup
#? [true]
4 known_command resign
#? [false]
5 known_command
#? [false]
6 known_command PLAY
#? [false]
7 known_command showboard
#? [false]
10 black D4
#? []
11 white Q16
#? []
12 play b C3
#? []
13 clear_board
#? []
14 final_status_list dead
#? []
15 final_status_list alive
#? []
16 final_status_list seki
#? []
17 final_status_list Dead
#? [\?syntax error]
18 final_status_list
#? [\?syntax error]
20 genmove b
#? [PASS|[A-HJ-T][0-9]+]
21 genmove_white
#? [PASS|[A-HJ-T][0-9]+]
22 genmove_black
#? [PASS|[A-HJ-T][0-9]+]
23 kgs-genmove_cleanup w
#? [PASS|[A-HJ-T][0-9]+]
24 genmove x
#? [\?syntax error]
25 genmove
#? [\?syntax error]
26 kgs-genmove_cleanup blue
#? [\?syntax error]
27 genmove WHITE
#? [PASS|[A-HJ-T][0-9]+]
30 level 5
#? []
31 level 1
#? []
32 level 10
#? []
33 level 0
#? [\?invalid level \(1-10\)]
34 level 11
#? [\?invalid level \(1-10\)]
35 level 99999999999999
#? [\?invalid level \(1-10\)]
36 level x
#? [\?syntax error]
37 level -3
#? [\?syntax error]
38 level
#? [\?syntax error]
39 version
#? [3\.1\.5\.7, level 7]
