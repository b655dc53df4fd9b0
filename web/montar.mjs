// Writes a page from its model, which stops within its body: the scripts
// of SCRIPT... after it, in order, each in a <script> of its own, so that
// the page runs them as its parser reaches them, while the program is on
// its way; then the body's and the page's ends.
// A script that the HTML parser would read otherwise fails the build.
// Usage: node montar.mjs MODEL OUT SCRIPT...
import { readFileSync, writeFileSync } from 'node:fs';

const [modelo, destino, ...scripts] = process.argv.slice(2);
const partes = scripts.map((script) => {
  const codigo = readFileSync(script, 'utf8').trim();
  if (/<\/script|<!--|<script/i.test(codigo)) throw new Error(script + ': holds what would end or escape its <script>');
  return '<script>\n' + codigo + '\n</script>';
});
const pagina = readFileSync(modelo, 'utf8');
writeFileSync(destino, pagina + partes.join('\n') + '\n</body>\n</html>\n');
