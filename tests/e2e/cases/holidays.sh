# Helpers of holidays.t, sourced by its cases.
#
# plugin_torvane: the shell with a copy of the plug-in in the case's folder
# loaded instead of its own, so that a holidays.ini written there lies
# beside the plug-in.

plugin_bin=$(dirname "${TORVANE##* }")
for plugin_file in "$plugin_bin"/libkalendra.so "$plugin_bin"/kalendra-x64.dll; do
  if [ -f "$plugin_file" ]; then
    cp "$plugin_file" .
    plugin_copy=./${plugin_file##*/}
  fi
done

plugin_torvane() { torvane --no-plugins -c "plugin /L $plugin_copy" "$@"; }
