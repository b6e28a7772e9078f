# Helpers of holidays.t, sourced by its cases.
#
# plugin_torvane: the shell with a copy of the plug-in in the case's folder
# loaded instead of its own, so that a holidays.ini written there lies
# beside the plug-in.
# marked_days YEAR: the days of the year that @isholiday finds with the
# built-in rules, as "MM-DD" on one line.

plugin_bin=$(dirname "${TORVANE##* }")
for plugin_file in "$plugin_bin"/libkalendra.so "$plugin_bin"/kalendra-x64.dll; do
  if [ -f "$plugin_file" ]; then
    cp "$plugin_file" .
    plugin_copy=./${plugin_file##*/}
  fi
done

plugin_torvane() { torvane --no-plugins -c "plugin /L $plugin_copy" "$@"; }

marked_days() {
  awk -v year="$1" 'BEGIN {
    split("31 28 31 30 31 30 31 31 30 31 30 31", length_of, " ")
    if (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)) length_of[2] = 29
    for (month = 1; month <= 12; month++)
      for (day = 1; day <= length_of[month]; day++)
        printf "echo %02d-%02d %%@isholiday[%d-%02d-%02d]\n", month, day, year, month, day
  }' > days.btm
  torvane days.btm | tr -d '\r' | grep ' 1$' | cut -d' ' -f1 | tr '\n' ' ' | sed 's/ $//'
  echo
}
