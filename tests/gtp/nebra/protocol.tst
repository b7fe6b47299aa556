# Protocol framing: ids, comments, case, the fixed replies and the command list.
1 protocol_version
#? [2]
2 name
#? [Nebra]
3 version
#? [0\.1]
# A comment line, an empty line and blanks get no reply.

   
4 name # a trailing comment changes nothing
#? [Nebra]
5 NAME
#? [\?unknown command]
6 genmove_black b
#? [\?unknown command]
0007 name
#? [Nebra]
8	name
#? [Nebra]
9 known_command play
#? [true]
10 known_command kgs-genmove_cleanup
#? [true]
11 known_command Play
#? [false]
12 known_command undo
#? [false]
13 known_command
#? [false]
14 list_commands
#? [protocol_version\nname\nversion\nknown_command\nlist_commands\nquit\nboardsize\nclear_board\nkomi\nfixed_handicap\nplace_free_handicap\nset_free_handicap\nplay\ngenmove\nfinal_score\nfinal_status_list\nshowboard\nkgs-genmove_cleanup\ntime_left]
15 known_command time_left
#? [true]
16 quit
#? []
17 name
