// The game's web page in headless Chromium: the sample board drawn, a board
// without monsters pixel for pixel the native window's once the avatar
// stopped at a wall, keys with no click first, Esc, a malformed board link.
// Usage: node pagina.mjs BUILD_WEB NATIVE_CAPTURES NODE_MODULES
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { abrir, ate_igual, conferir, esperar, falhar, testar } from './comum.mjs';

const [pasta_web, pasta_nativa, modulos] = process.argv.slice(2);

// Holds a key longer than a frame, as a player does, until condicao holds.
async function segurar(pagina, tecla, condicao, o_que) {
  await pagina.keyboard.down(tecla);
  await esperar(pagina, condicao, o_que);
  await pagina.keyboard.up(tecla);
}

// The sample board, from a page with no parameter: its first frame is the
// native one of the same board without monsters wherever no monster could
// have reached yet; one canvas; Esc ends it with status 0.
async function testar_exemplo(navegador, endereco) {
  const pagina = await abrir(navegador, endereco + '/');
  await esperar(pagina, () => !!window.espia.primeiro && window.tabuleiro2.estado === 'jogando', 'no first frame');
  const contrato = await pagina.evaluate(() => [document.querySelectorAll('canvas').length,
    document.querySelector('canvas').width, document.querySelector('canvas').height].join(' '));
  if (contrato !== '1 800 600') falhar('canvases, width, height: ' + contrato);
  const linhas = readFileSync(join(pasta_web, 'tabuleiros/tabuleiro.map'), 'latin1').split('\n');
  const monstros = [];
  linhas.forEach((linha, y) => [...linha].forEach((c, x) => { if (c === '2') monstros.push([x, y]); }));
  const longe = (x, y) => monstros.every(([mx, my]) => Math.max(Math.abs(mx - x), Math.abs(my - y)) > 1);
  await conferir(pagina, 'primeiro', join(pasta_nativa, 'primeiro.rgb'), 'sample board, away from the monsters', longe);
  await segurar(pagina, 'Escape', () => window.tabuleiro2.estado === 'terminou', 'Esc did not end the game');
  const saida = await pagina.evaluate(() => window.tabuleiro2.saida);
  if (saida !== 0 || !(await pagina.$eval('#saida', (e) => e.textContent.includes('saída 0'))))
    falhar('Esc: status ' + saida);
  await pagina.close();
}

// The same board without monsters, from ?tabuleiro= (its first frame is
// app.mjs's to compare): after the right arrow held with no click first, the
// avatar against the wall, the native window's pixels exactly; the arrow
// scrolls nothing.
async function testar_identico(navegador, endereco) {
  const pagina = await abrir(navegador, endereco + '/?tabuleiro=nativa/sem_monstros.map');
  await esperar(pagina, () => !!window.espia.primeiro, 'no first frame');
  await pagina.keyboard.down('ArrowRight');
  await ate_igual(pagina, join(pasta_nativa, 'parado.rgb'), 'the avatar against the wall');
  await pagina.keyboard.up('ArrowRight');
  if (!(await pagina.evaluate(() => window.espia.teclas_sem_efeito))) falhar('the arrows scroll the page');
  await pagina.close();
}

// A link whose cells are not 192 digits from 0 to 3: the page's own
// message, no game (a board that cannot be fetched is paginas.mjs's).
async function testar_sem_tabuleiro(navegador, endereco) {
  const pagina = await abrir(navegador, endereco + '/?celulas=' + '0'.repeat(191) + '4');
  await esperar(pagina, () => window.tabuleiro2.estado === 'terminou', 'no end of a bad link');
  const aviso = await pagina.$eval('#saida', (e) => e.textContent);
  if (!aviso.includes('192 algarismos de 0 a 3') || await pagina.evaluate(() => window.tabuleiro2.quadros))
    falhar('a bad link: ' + aviso);
  await pagina.close();
}

await testar(pasta_web, pasta_nativa, modulos, [testar_exemplo, testar_identico, testar_sem_tabuleiro]);
