// The pages as an app, each case in a fresh profile: installable (by the
// engine's own check where it has one, Chromium's; by what every engine
// reads, the manifest and the icons, everywhere); offline after one visit,
// pixel for pixel the native windows; a new build, once a visit found it,
// is alone left, and plays. Where the engine has no service workers, the
// pages play from the network and keep nothing.
// Usage: node app.mjs ENGINE ZIP_FOLDER NATIVE_CAPTURES NODE_MODULES
import { execFileSync } from 'node:child_process';
import { copyFileSync, cpSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { abrir, abrir_rodando, ate_igual, com_navegador, esperar, falhar, modulos, motor, pasta_nativa, pasta_web, relatar }
  from './comum.mjs';

const web = new URL('../../web/', import.meta.url).pathname;
const SOB_O_TRABALHADOR = () => !!navigator.serviceWorker.controller;

// A copy of the zip's folder served on its own to a browser of its own,
// whose pages share its one context, where the service worker lives; the
// first visit, the game's page until its service worker is in charge (left
// sooner, WebKit's worker stays installing for ever); then corpo(open a
// page at url, once running if rodando; the folder; stop the server). Where
// the engine has no service workers, the game plays, and that is all. All
// of it gone after.
async function com_copia(corpo) {
  const pasta = mkdtempSync(join(tmpdir(), 'tabuleiro2-app-'));
  cpSync(pasta_web, pasta, { recursive: true });
  try {
    await com_navegador(motor, pasta, pasta_nativa, modulos, async (ambiente) => {
      const contexto = await ambiente.navegador.padrao();
      const pagina = await abrir_rodando(ambiente, '/', { contexto });
      const tem = await pagina.avaliar(() => 'serviceWorker' in navigator);
      if (tem) await esperar(pagina, SOB_O_TRABALHADOR, 'no service worker in charge of the page');
      await pagina.fechar();
      if (tem) await corpo((url, rodando) => (rodando ? abrir_rodando : abrir)(ambiente, url, { contexto }), pasta, ambiente.parar);
    });
  } finally {
    rmSync(pasta, { recursive: true, force: true });
  }
}

// Opens url, waits for its first frame, then for the native capture
// nativa, if any, on the canvas.
async function jogar(abrir_aqui, url, nativa) {
  const pagina = await abrir_aqui(url, true);
  if (nativa) await ate_igual(pagina, join(pasta_nativa, nativa), url);
  return pagina;
}

// In the page: what keeps it from being kept as an app by any engine: its
// manifest's name, display, start and icons, Safari's home screen icon.
async function sem_instalar() {
  const erros = [];
  const buscar = async (url) => { const r = await fetch(url); if (!r.ok) erros.push(url + ': ' + r.status); return r; };
  const manifesto = document.querySelector('link[rel=manifest]');
  const m = await (await buscar(manifesto.href)).json();
  if (!m.name || m.display !== 'standalone' || !m.start_url) erros.push('manifest: ' + JSON.stringify(m));
  for (const tamanho of ['192x192', '512x512']) {
    const icone = m.icons.find((i) => i.sizes === tamanho);
    if (!icone) erros.push('no icon ' + tamanho);
    else await buscar(new URL(icone.src, manifesto.href));
  }
  const toque = document.querySelector('link[rel=apple-touch-icon]');
  if (!toque) erros.push('no apple-touch-icon');
  else await buscar(toque.href);
  return erros;
}

async function testar_instalavel() {
  await com_copia(async (abrir_aqui) => {
    for (const url of ['/', '/editor.html']) {
      const pagina = await esperar(await abrir_aqui(url), SOB_O_TRABALHADOR, url + ' registered no service worker');
      const erros = [...(await pagina.erros_de_instalacao()) || [], ...await pagina.avaliar(sem_instalar)];
      if (erros.length) falhar(url + ' is not installable: ' + erros.join(', '));
      await pagina.fechar();
    }
  });
}

async function testar_sem_rede() {
  await com_copia(async (abrir_aqui, pasta, parar) => {
    await (await jogar(abrir_aqui, '/?tabuleiro=nativa/sem_monstros.map')).fechar();
    parar();
    const celulas = readFileSync(new URL('pintado.map', import.meta.url), 'latin1').replace(/\n/g, '');
    for (const [url, nativa] of [['/'], ['/?tabuleiro=tabuleiros/campo.map'], ['/?celulas=' + celulas, 'pintado.rgb'],
      ['/?tabuleiro=nativa/sem_monstros.map', 'primeiro.rgb'], ['/editor.html?tabuleiro=tabuleiros/tabuleiro.map', 'editor.rgb']])
      await (await jogar(abrir_aqui, url, nativa)).fechar();
  });
}

// The new build: the same files but the sample board, now without its
// monsters, and its service worker written by the build's own versionar.mjs.
function versionar(pasta) {
  copyFileSync(join(pasta_nativa, 'sem_monstros.map'), join(pasta, 'tabuleiros/tabuleiro.map'));
  const velho = readFileSync(join(pasta, 'sw.js'), 'utf8');
  const arquivos = JSON.parse(velho.match(/const ARQUIVOS = (\[.*?\]\]);/)[1]).map(([a]) => a);
  execFileSync('node', [join(web, 'versionar.mjs'), join(web, 'sw.js.in'), 'sw.js', ...arquivos], { cwd: pasta });
  return readFileSync(join(pasta, 'sw.js'), 'utf8').match(/tabuleiro2-[0-9a-f]+/)[0];
}

async function testar_nova_versao() {
  await com_copia(async (abrir_aqui, pasta) => {
    const versao = versionar(pasta), velha = await jogar(abrir_aqui, '/');
    await esperar(velha, async (v) => (await caches.keys()).join() === v, 'caches but ' + versao + ' left', versao);
    await jogar(abrir_aqui, '/', 'primeiro.rgb');
  });
}

await relatar(async () => { for (const teste of [testar_instalavel, testar_sem_rede, testar_nova_versao]) await teste(); });
